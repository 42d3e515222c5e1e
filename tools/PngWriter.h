#pragma once

#include <cstdint>
#include <string>
#include <vector>

// PNG files through libpng: 8-bit RGB or RGBA rows, top row first.
// False, with nothing left behind, when the file cannot be written.
bool writePng(const std::string& path, int width, int height, int channels, const std::vector<uint8_t>& topDown);
// The same PNG into memory: false when the picture cannot be encoded.
bool encodePng(int width, int height, int channels, const std::vector<uint8_t>& topDown, std::vector<uint8_t>& out);
