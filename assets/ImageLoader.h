#pragma once

#include "RgbImage.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Decodes a list of BMP files on a thread of its own, in the list's order,
// so that start-up can open the display while the pictures are read; a
// picture whose sides are not powers of two is scaled there too, as its
// texture needs. The textures are then made from what it decoded, each
// picture as soon as it is ready. Each image can be taken once.
class ImageLoader {
public:
    // Starts decoding the first `first` at once; the others once one of them
    // is asked for, so that they never take the processor from the drawing
    // of what needs only the first. The names are the game's own
    // ("../bin/..."), so the data folder must have been found before.
    explicit ImageLoader(std::vector<std::string> fileNames, size_t first = SIZE_MAX);
    ~ImageLoader();
    ImageLoader(const ImageLoader&) = delete;
    ImageLoader& operator=(const ImageLoader&) = delete;

    // Whether `fileName` is on the list and not yet taken.
    bool holds(const std::string& fileName) const;
    // The decoded image, once it is ready; none when the file was missing or
    // could not be decoded (reported as a direct read would).
    std::unique_ptr<RgbImage> take(const std::string& fileName);

private:
    std::vector<std::string> names;
    std::vector<std::unique_ptr<RgbImage>> images;   // by the index of its name
    std::vector<bool> taken;
    std::mutex lock;
    std::condition_variable done;   // told of each image ready, of the rest wanted and of the end
    size_t ready = 0;   // images[0, ready) are the worker's no longer
    size_t first;
    bool restWanted = false;
    bool stopping = false;
    std::thread worker;
};
