#pragma once

#include "RgbImage.h"

#include <memory>
#include <string>
#include <vector>

// Reads a headerless RGB file of a size the caller knows. The file's length must
// be exactly (width * 3 rounded up to 4) * height; anything else is refused.
std::unique_ptr<RgbImage> readRaw(const std::string& fileName, int width, int height);
// The same, from the file's bytes.
std::unique_ptr<RgbImage> decodeRaw(std::vector<uint8_t> bytes, int width, int height);
