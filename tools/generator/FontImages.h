#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The game's bitmap font: 256 x 256 RGB, bottom row first, 16 x 16 cells of
// 16 x 16 pixels with cell row 0 at the top of the picture. Cells 0..95 hold
// characters 32..127 in the regular face, cells 128..223 the same in bold.
std::vector<uint8_t> fontImage(const std::string& regularFontFile, const std::string& boldFontFile);
// 128 x 128 RGB of soft bumps.
std::vector<uint8_t> bumpsImage();
