#pragma once

#include "Canvas.h"

#include <string>

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

// Draws text from a TrueType font (FreeType) onto a canvas with antialiased
// coverage. Throws std::runtime_error when the font cannot be opened.
class GlyphRenderer {
public:
    GlyphRenderer(const std::string& fontFile, int pixelHeight);
    ~GlyphRenderer();
    GlyphRenderer(const GlyphRenderer&) = delete;
    GlyphRenderer& operator=(const GlyphRenderer&) = delete;

    // Calls plot(x, y, coverage 0..1) for each pixel of the text, its pen
    // starting at (x, baseline); returns the advance in pixels.
    template <typename Plot>
    int draw(const std::string& text, int x, int baseline, Plot plot) const;
    int textWidth(const std::string& text) const;
    int ascender() const;   // pixels above the baseline

private:
    struct Bitmap {
        int left = 0, top = 0, width = 0, rows = 0, pitch = 0, advance = 0;
        const unsigned char* buffer = nullptr;
    };
    Bitmap render(unsigned char c) const;

    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

template <typename Plot>
int GlyphRenderer::draw(const std::string& text, int x, int baseline, Plot plot) const {
    const int start = x;
    for (unsigned char c : text) {
        const Bitmap b = render(c);
        for (int row = 0; row < b.rows; ++row) {
            for (int col = 0; col < b.width; ++col) {
                const double coverage = b.buffer[row * b.pitch + col] / 255.0;
                if (coverage > 0.0) plot(x + b.left + col, baseline - b.top + row, coverage);
            }
        }
        x += b.advance;
    }
    return x - start;
}
