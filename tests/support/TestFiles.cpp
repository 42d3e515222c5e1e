#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

const char* const IMAGEMAGICK = "/usr/bin/convert";

TempDir::TempDir() {
    char pattern[] = "/tmp/spacefight-test-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("cannot make a temporary directory");
    dir = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

bool run(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

RgbImage decodeWithImageMagick(const std::string& file) {
    RgbImage image;
    const std::string raw = file + ".rgb";
    const std::string size = file + ".size";
    if (!run(std::string(IMAGEMAGICK) + " '" + file + "' -depth 8 rgb:'" + raw + "'") ||
        !run(std::string("/usr/bin/identify -format '%w %h' '") + file + "' > '" + size + "'")) {
        return image;
    }
    std::ifstream dims(size);
    dims >> image.width >> image.height;
    const std::vector<uint8_t> topDown = readBytes(raw);
    if (topDown.size() != size_t(image.width) * image.height * 3) return RgbImage();
    const size_t row = size_t(image.width) * 3;
    for (int r = image.height - 1; r >= 0; --r) {
        image.pixels.insert(image.pixels.end(), topDown.begin() + r * row, topDown.begin() + (r + 1) * row);
    }
    return image;
}
