#pragma once

#include <cstdint>
#include <vector>

// A decoded picture: packed R, G, B bytes, no row padding, bottom row first (the
// order in which OpenGL takes texture rows).
struct RgbImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;   // width * height * 3 bytes
};
