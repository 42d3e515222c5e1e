#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Plain uncompressed BMPs with a 40-byte info header, as any viewer opens them.
// Pixel rows are given bottom row first, as the game's decoder returns them.

// 24 bits per pixel from packed R, G, B bytes (width * height * 3).
std::vector<uint8_t> encodeBmp24(int width, int height, const std::vector<uint8_t>& rgb);
// 1 bit per pixel from one byte per pixel (non-zero: bit set); a two-entry
// black and white colour table.
std::vector<uint8_t> encodeBmp1(int width, int height, const std::vector<uint8_t>& bits);

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes);
