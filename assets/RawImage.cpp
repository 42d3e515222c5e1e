#include "RawImage.h"

#include "FileBytes.h"

std::unique_ptr<RgbImage> readRaw(const std::string& fileName, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    const size_t rowBytes = (size_t(width) * 3 + 3) / 4 * 4;
    auto image = std::make_unique<RgbImage>();
    if (!readFileBytes(fileName, image->pixels) || image->pixels.size() != rowBytes * size_t(height)) {
        return nullptr;
    }
    image->width = width;
    image->height = height;
    return image;
}
