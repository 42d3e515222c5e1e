#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reads a whole file. False when it cannot be opened or read; an empty file is
// read as an empty buffer.
bool readFileBytes(const std::string& path, std::vector<uint8_t>& out);
