#include "FontImages.h"

#include "Canvas.h"
#include "GlyphRenderer.h"
#include "Noise.h"

#include <string>

namespace {

// Glyphs are drawn 16 units wide with a pen advance of 10, so each sits in the
// left 10 pixels of its cell. A clear border of one pixel round every cell keeps
// linear filtering from bleeding a neighbour's ink (an underscore, say) into it.
void drawSet(Canvas& canvas, const GlyphRenderer& font, int firstCell) {
    for (int k = 0; k < 95; ++k) {   // 32..126; DEL (127) is no printable character
        const int cell = firstCell + k;
        const int x = (cell % 16) * 16, y = (cell / 16) * 16;
        const std::string text(1, static_cast<char>(k + 32));
        // At 13 pixels the ink spans 11 rows above the baseline to 2 below: rows 1..14.
        font.draw(text, x + 1, y + 12, [&](int px, int py, double a) {
            if (px > x && px < x + 15 && py > y && py < y + 15) canvas.blend(px, py, {1.0, 1.0, 1.0}, a);
        });
    }
}

}

std::vector<uint8_t> fontImage(const std::string& regularFontFile, const std::string& boldFontFile) {
    Canvas canvas(256, 256);
    drawSet(canvas, GlyphRenderer(regularFontFile, 13), 0);
    drawSet(canvas, GlyphRenderer(boldFontFile, 13), 128);
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
