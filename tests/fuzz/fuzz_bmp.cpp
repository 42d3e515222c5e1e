// The BMP decoder behind every texture.
#include "assets/BmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    RgbImage image;
    if (decodeDib(bytes, image) == DibResult::Ok) {
        // A decoded picture is exactly as large as it says.
        if (image.pixels.size() != size_t(image.width) * size_t(image.height) * 3) __builtin_trap();
    }
    return 0;
}
