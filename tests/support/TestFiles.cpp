#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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
    // A binary PPM: "P6", width, height, 255, one white space, then the rows (flipped: bottom first).
    const std::string ppm = file + ".ppm";
    RgbImage image;
    if (!run(std::string(IMAGEMAGICK) + " '" + file + "' -flip -depth 8 ppm:'" + ppm + "'")) return image;
    std::ifstream in(ppm, std::ios::binary);
    std::string magic;
    int maximum = 0;
    in >> magic >> image.width >> image.height >> maximum;
    in.get();
    image.pixels.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (magic != "P6" || maximum != 255 || image.pixels.size() != size_t(image.width) * image.height * 3) return RgbImage();
    return image;
}
