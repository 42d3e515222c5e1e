#include "GlyphRenderer.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

GlyphRenderer::GlyphRenderer(const std::string& fontFile, int pixelHeight) {
    if (FT_Init_FreeType(&library) != 0) throw std::runtime_error("FreeType cannot start");
    if (FT_New_Face(library, fontFile.c_str(), 0, &face) != 0) {
        FT_Done_FreeType(library);
        throw std::runtime_error("cannot open font " + fontFile);
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelHeight));
}

GlyphRenderer::~GlyphRenderer() {
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

GlyphRenderer::Bitmap GlyphRenderer::render(unsigned char c) const {
    Bitmap b;
    if (FT_Load_Char(face, c, FT_LOAD_RENDER) != 0) return b;
    const FT_GlyphSlot slot = face->glyph;
    b.left = slot->bitmap_left;
    b.top = slot->bitmap_top;
    b.width = static_cast<int>(slot->bitmap.width);
    b.rows = static_cast<int>(slot->bitmap.rows);
    b.pitch = slot->bitmap.pitch;
    b.advance = static_cast<int>(slot->advance.x >> 6);
    b.buffer = slot->bitmap.buffer;
    return b;
}

int GlyphRenderer::textWidth(const std::string& text) const {
    int width = 0;
    for (unsigned char c : text) width += render(c).advance;
    return width;
}

int GlyphRenderer::ascender() const {
    return static_cast<int>(face->size->metrics.ascender >> 6);
}
