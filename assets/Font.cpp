#include "Font.h"

#include "RawImage.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string formatNumber(float value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    double v = value;
    std::string sign;
    if (v < 0) {
        sign = "-";
        v = -v;
    }
    int e = 0;
    if (v > 0) {
        e = static_cast<int>(std::floor(std::log10(v)));
        if (v < std::pow(10.0, e)) --e;   // log10 can land a hair off at powers of ten
        if (v >= std::pow(10.0, e + 1)) ++e;
    }
    // Halves round away from zero (1234.5 shows as 1235); printf would round
    // them to even, so the digits are rounded here and printed exactly.
    char text[64];
    if (e >= -1 && e <= 3) {
        const double scale = std::pow(10.0, 3 - e);
        std::snprintf(text, sizeof text, "%.*f", 3 - e, std::floor(v * scale + 0.5) / scale);
    } else {
        double digits = std::floor(v / std::pow(10.0, e) * 1000.0 + 0.5);   // d.ddd as dddd
        if (digits >= 10000.0) {   // 9.9995 rounds up to the next exponent
            digits = std::floor(digits / 10.0 + 0.5);
            ++e;
        }
        std::snprintf(text, sizeof text, "%.3fe%c%03d", digits / 1000.0, e < 0 ? '-' : '+', e < 0 ? -e : e);
    }
    std::string s = text;
    const size_t point = s.find('.');
    if (point != std::string::npos) {
        const size_t exponent = s.find('e');
        const size_t end = exponent == std::string::npos ? s.size() : exponent;
        size_t last = end;
        while (last > point + 1 && s[last - 1] == '0') --last;
        s.erase(last, end - last);
    }
    return sign + s;
}

GLuint Font::loadImage(const char* path, int size) {
    const auto image = readRaw(path, size, size);
    if (!image) std::exit(1);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, size, size, 0, GL_RGB, GL_UNSIGNED_BYTE, image->pixels.data());
    return name;
}

Font::Font() {
    fontTexture = loadImage(GLYPH_IMAGE, 256);
    bumpTexture = loadImage(BUMP_IMAGE, 128);
    listBase = glGenLists(256);
    glBindTexture(GL_TEXTURE_2D, fontTexture);
    for (int g = 0; g < 256; ++g) {
        const float cx = (g % 16) / 16.0f, cy = (g / 16) / 16.0f;
        glNewList(listBase + g, GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(cx, 1 - cy - 0.0625f);
        glVertex2i(0, 0);
        glTexCoord2f(cx + 0.0625f, 1 - cy - 0.0625f);
        glVertex2i(16, 0);
        glTexCoord2f(cx + 0.0625f, 1 - cy);
        glVertex2i(16, 16);
        glTexCoord2f(cx, 1 - cy);
        glVertex2i(0, 16);
        glEnd();
        glTranslated(10, 0, 0);
        glEndList();
    }
}

Font::~Font() {
    glDeleteLists(listBase, 256);
}

void Font::print(int x, int y, const char* text, int set) {
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glMaterialfv(GL_FRONT, GL_AMBIENT, textColour);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, textColour);
    glMaterialfv(GL_FRONT, GL_EMISSION, textColour);
    if (set > 1) set = 1;
    glBindTexture(GL_TEXTURE_2D, fontTexture);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, 640, 0, 480, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(x, y, 0);
    // Only characters with a glyph of this font are drawn: any other list
    // number would belong to a model or a cylinder. Glyphs are gathered in a
    // small buffer (no allocation: this runs several times a frame) and each
    // batch continues where the pen of the one before stopped.
    glListBase(listBase);
    GLubyte glyphs[64];
    GLsizei count = 0;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
        const int glyph = int(*c) - 32 + 128 * set;
        if (*c < 32 || *c > 127 || glyph < 0 || glyph > 255) continue;
        glyphs[count++] = static_cast<GLubyte>(glyph);
        if (count == GLsizei(sizeof glyphs)) {
            glCallLists(count, GL_UNSIGNED_BYTE, glyphs);
            count = 0;
        }
    }
    if (count > 0) glCallLists(count, GL_UNSIGNED_BYTE, glyphs);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glMaterialfv(GL_FRONT, GL_AMBIENT, restColour);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, restColour);
    glMaterialfv(GL_FRONT, GL_EMISSION, restColour);
}

void Font::printNumber(int x, int y, float value, int set) {
    print(x, y, formatNumber(value), set);
}
