#include "PngWriter.h"

#include <png.h>

#include <cstdio>
#include <memory>

bool writePng(const std::string& path, int width, int height, int channels, const std::vector<uint8_t>& topDown) {
    std::vector<uint8_t> png;
    if (!encodePng(width, height, channels, topDown, png)) return false;
    // Written beside the target and renamed, so a failed write never leaves half a file.
    const std::string partial = path + ".part";
    std::FILE* file = std::fopen(partial.c_str(), "wb");
    bool written = file && std::fwrite(png.data(), 1, png.size(), file) == png.size();
    if (file && std::fclose(file) != 0) written = false;
    if (!written || std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        return false;
    }
    return true;
}

bool encodePng(int width, int height, int channels, const std::vector<uint8_t>& topDown, std::vector<uint8_t>& out) {
    out.clear();
    if (width <= 0 || height <= 0 || (channels != 3 && channels != 4) ||
        topDown.size() != size_t(width) * size_t(height) * size_t(channels)) {
        return false;
    }
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    // Asked once for the size, then written into a buffer of it.
    png_alloc_size_t size = 0;
    bool ok = png_image_write_to_memory(&image, nullptr, &size, 0, topDown.data(), 0, nullptr) != 0;
    if (ok) {
        out.resize(size);
        ok = png_image_write_to_memory(&image, out.data(), &size, 0, topDown.data(), 0, nullptr) != 0;
        out.resize(ok ? size : 0);
    }
    png_image_free(&image);
    return ok;
}
