// The RAW reader of the font images and textures: the size is the caller's,
// the bytes the file's. The first two bytes choose a small size, so both the
// matching and the refused lengths are reached.
#include "assets/RawImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const int width = data[0] % 64 - 1, height = data[1] % 64 - 1;
    const auto image = decodeRaw(std::vector<uint8_t>(data + 2, data + size), width, height);
    if (image && image->pixels.size() != (size_t(width) * 3 + 3) / 4 * 4 * size_t(height)) __builtin_trap();
    decodeRaw(std::vector<uint8_t>(data, data + size), 256, 256);
    return 0;
}
