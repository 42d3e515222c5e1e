#include "Screenshot.h"

#include "platform/FileWriter.h"
#include "platform/PicturesDirectory.h"
#include "shell/replay/FrameCapture.h"

#include <cstdio>

std::string Screenshot::nameFor(const std::tm& when, int count) {
    char name[64];
    std::snprintf(name, sizeof name, "spacefight-%04d-%02d-%02d-%02d-%02d-%02d", when.tm_year + 1900, when.tm_mon + 1,
                  when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
    return std::string(name) + (count > 1 ? "-" + std::to_string(count) : "") + ".png";
}

std::string Screenshot::save(const std::string& folder, const std::tm& when, const std::vector<uint8_t>& png) {
    if (folder.empty()) return "no screenshot: neither HOME nor a pictures folder is set";
    std::string why;
    // A key held down, or files from another game: the next free name, within reason.
    for (int count = 1; count <= 100; ++count) {
        const std::string name = nameFor(when, count);
        bool taken = false;
        if (FileWriter::create(folder + "/" + name, png, why, taken)) return "saved " + name;
        if (!taken) break;
    }
    return "no screenshot: " + folder + ": " + why;
}

std::string Screenshot::beforeSwap(int width, int height) {
    if (!asked) return "";
    asked = false;
    std::vector<uint8_t> png;
    if (width <= 0 || height <= 0 || !FrameCapture::encodeShown(width, height, png))
        return "no screenshot: the picture cannot be encoded";
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_r(&now, &local);
    const std::string pictures = PicturesDirectory::find();
    return save(pictures.empty() ? "" : pictures + "/spacefight", local, png);
}
