#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <string>
#include <vector>

// An uncompressed Truevision Targa picture, read whole. Rows are kept in file
// order (bottom row first for ordinary files), as OpenGL expects them.
class TgaImage {
public:
    static constexpr int LOADED = 1;
    static constexpr int CANNOT_OPEN = 13;
    static constexpr int UNSUPPORTED_TYPE = 14;   // colour-mapped or compressed
    static constexpr int BAD_SIZE = 15;           // a side not a power of two from 2 to 512
    static constexpr int BAD_DEPTH = 16;          // not 8, 24 or 32 bits per pixel
    static constexpr int SHORT_DATA = 17;         // the pixel data is not all there

    int load(const std::string& fileName);
    int parse(const std::vector<uint8_t>& file);   // the same, from the file's bytes

    std::vector<uint8_t> pixels;   // RGB or RGBA (swapped from the file's BGR order), or grey
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bitsPerPixel = 0;
    uint32_t pixelCount = 0;
    GLenum pixelFormat = GL_RGB;   // GL_RGBA, GL_RGB, or GL_LUMINANCE for grey data
    GLuint textureName = 0;
};
