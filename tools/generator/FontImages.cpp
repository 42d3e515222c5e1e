#include "FontImages.h"

#include "Canvas.h"
#include "GlyphRenderer.h"
#include "Noise.h"

#include <string>

namespace {

// Glyphs are drawn 16 units wide with a pen advance of 10, so each sits in the
// left 10 pixels of its cell, baseline 4 pixels above the cell's bottom.
void drawSet(Canvas& canvas, const GlyphRenderer& font, int firstCell) {
    for (int k = 0; k < 96; ++k) {
        const int cell = firstCell + k;
        const int x = (cell % 16) * 16, y = (cell / 16) * 16;
        const std::string text(1, static_cast<char>(k + 32));
        font.draw(text, x + 1, y + 12, [&](int px, int py, double a) {
            if (px >= x && px < x + 16 && py >= y && py < y + 16) canvas.blend(px, py, {1.0, 1.0, 1.0}, a);
        });
    }
}

}

std::vector<uint8_t> fontImage(const std::string& regularFontFile, const std::string& boldFontFile) {
    Canvas canvas(256, 256);
    drawSet(canvas, GlyphRenderer(regularFontFile, 15), 0);
    drawSet(canvas, GlyphRenderer(boldFontFile, 15), 128);
    return canvas.rgbBottomUp();
}

std::vector<uint8_t> bumpsImage() {
    const Noise noise(1000, 16);
    Canvas canvas(128, 128);
    canvas.paint([&](int x, int y, Colour& out) {
        const double v = noise.fractal(x / 8.0, y / 8.0, 3);
        out = {v, v, v};
        return true;
    });
    return canvas.rgbBottomUp();
}
