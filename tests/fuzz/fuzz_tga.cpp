// The Targa reader of model materials.
#include "assets/TgaImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TgaImage image;
    if (image.parse(std::vector<uint8_t>(data, data + size)) == TgaImage::LOADED) {
        if (image.pixels.size() != size_t(image.pixelCount) * (image.bitsPerPixel / 8)) __builtin_trap();
    }
    return 0;
}
