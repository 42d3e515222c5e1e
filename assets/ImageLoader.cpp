#include "ImageLoader.h"

#include "TextureBank.h"
#include "TextureScale.h"

#include <algorithm>

ImageLoader::ImageLoader(std::vector<std::string> fileNames, size_t firstCount)
    : names(std::move(fileNames)), images(names.size()), taken(names.size(), false), first(firstCount) {
    // The worker writes `images[i]` alone until it counts it ready.
    worker = std::thread([this] {
        for (size_t i = 0; i < names.size(); ++i) {
            {
                std::unique_lock<std::mutex> hold(lock);
                if (i == first) done.wait(hold, [&] { return restWanted || stopping; });
                if (stopping) return;
            }
            std::unique_ptr<RgbImage> image = TextureBank::readBmp(names[i]);
            if (image && !TextureScale::hasPowerOfTwoSides(*image))
                image = std::make_unique<RgbImage>(TextureScale::toPowerOfTwoSides(*image));
            std::lock_guard<std::mutex> hold(lock);
            images[i] = std::move(image);
            ready = i + 1;
            done.notify_all();
        }
    });
}

ImageLoader::~ImageLoader() {
    {
        std::lock_guard<std::mutex> hold(lock);
        stopping = true;   // what nobody took is not worth decoding
        done.notify_all();
    }
    if (worker.joinable()) worker.join();
}

bool ImageLoader::holds(const std::string& fileName) const {
    const auto at = std::find(names.begin(), names.end(), fileName);
    return at != names.end() && !taken[static_cast<size_t>(at - names.begin())];
}

std::unique_ptr<RgbImage> ImageLoader::take(const std::string& fileName) {
    if (!holds(fileName)) return nullptr;
    const size_t i = static_cast<size_t>(std::find(names.begin(), names.end(), fileName) - names.begin());
    std::unique_lock<std::mutex> hold(lock);
    if (i >= first && !restWanted) {
        restWanted = true;
        done.notify_all();
    }
    done.wait(hold, [&] { return ready > i; });
    taken[i] = true;
    return std::move(images[i]);
}
