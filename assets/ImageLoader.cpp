#include "ImageLoader.h"

#include "TextureBank.h"

#include <algorithm>

ImageLoader::ImageLoader(std::vector<std::string> fileNames)
    : names(std::move(fileNames)), images(names.size()), taken(names.size(), false) {
    // The worker writes only `images`, which nobody reads until it is joined.
    worker = std::thread([this] {
        for (size_t i = 0; i < names.size(); ++i) images[i] = TextureBank::readBmp(names[i]);
    });
}

ImageLoader::~ImageLoader() {
    if (worker.joinable()) worker.join();
}

bool ImageLoader::holds(const std::string& fileName) const {
    const auto at = std::find(names.begin(), names.end(), fileName);
    return at != names.end() && !taken[static_cast<size_t>(at - names.begin())];
}

std::unique_ptr<RgbImage> ImageLoader::take(const std::string& fileName) {
    if (!holds(fileName)) return nullptr;
    if (worker.joinable()) worker.join();
    const size_t i = static_cast<size_t>(std::find(names.begin(), names.end(), fileName) - names.begin());
    taken[i] = true;
    return std::move(images[i]);
}
