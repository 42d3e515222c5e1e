#pragma once

#include <GL/gl.h>

#include <string>

// Text over the scene, in a 640 x 480 space with (0, 0) at the bottom left
// whatever the window's size. Glyphs are 16 x 16 units with a pen advance of
// 10, blended additively so their black backgrounds vanish.
class Font {
public:
    // Ends the process with status 1 when a font image is missing or of the
    // wrong length: the game cannot show its display without them.
    Font();
    virtual ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Set 0 is the regular face, 1 the bold one (larger sets count as 1).
    // Characters without a glyph (below 32, above 127) are skipped.
    void print(int x, int y, const char* text, int set);
    void print(int x, int y, const std::string& text, int set) { print(x, y, text.c_str(), set); }
    void printNumber(int x, int y, float value, int set);

    static constexpr const char* GLYPH_IMAGE = "../bin/data/fonts/font_256x256.raw";
    static constexpr const char* BUMP_IMAGE = "../bin/data/fonts/bumps_128x128.raw";

private:
    GLuint loadImage(const char* path, int size);

    float textColour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float restColour[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    GLuint fontTexture = 0;
    GLuint bumpTexture = 0;   // loaded for its effect on start-up, never drawn
    GLuint listBase = 0;      // 256 glyph lists
};

// A number with 4 significant digits: plain for decimal exponents -1 to 3 (the
// point kept, trailing fraction zeros dropped: "5.", "12.5", "1235"), otherwise
// with a three-digit exponent ("2.e+004").
std::string formatNumber(float value);
