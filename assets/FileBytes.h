#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reads a whole file; a game name ("../bin/...") is read from the data folder
// found at start. False when it cannot be opened or read; an empty file is
// read as an empty buffer.
bool readFileBytes(const std::string& path, std::vector<uint8_t>& out);
