#include "RawImage.h"

#include "platform/FileReader.h"

#include <utility>

std::unique_ptr<RgbImage> readRaw(const std::string& fileName, int width, int height) {
    std::vector<uint8_t> bytes;
    std::string why;
    if (!FileReader::read(fileName, FileReader::PICTURE, bytes, why)) return nullptr;
    return decodeRaw(std::move(bytes), width, height);
}

std::unique_ptr<RgbImage> decodeRaw(std::vector<uint8_t> bytes, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    const size_t rowBytes = (size_t(width) * 3 + 3) / 4 * 4;
    if (bytes.size() != rowBytes * size_t(height)) return nullptr;
    auto image = std::make_unique<RgbImage>();
    image->pixels = std::move(bytes);
    image->width = width;
    image->height = height;
    return image;
}
