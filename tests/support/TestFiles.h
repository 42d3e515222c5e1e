#pragma once

#include "platform/FileReader.h"
#include "assets/RgbImage.h"
#include "tools/BmpWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// A fresh directory under /tmp, removed with everything in it at scope end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& name) const { return dir + "/" + name; }

private:
    std::string dir;
};

inline void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) { writeFile(path, bytes); }
inline std::vector<uint8_t> readBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string why;
    FileReader::read(path, size_t(1) << 30, bytes, why);
    return bytes;
}

// A copy of `bytes` with the byte at `at` set to `value`: one field of a file damaged.
inline std::vector<uint8_t> withByte(std::vector<uint8_t> bytes, size_t at, uint8_t value) {
    bytes.at(at) = value;
    return bytes;
}

// Runs a shell command; true when it exits 0.
bool run(const std::string& command);

// Debian's ImageMagick (not any stand-in earlier on PATH).
extern const char* const IMAGEMAGICK;

// ImageMagick's own decoding of an image file, rows bottom first like ours.
RgbImage decodeWithImageMagick(const std::string& file);
