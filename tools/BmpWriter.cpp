#include "BmpWriter.h"

#include "ByteWriter.h"

#include <cstdio>
#include <memory>

namespace {

std::vector<uint8_t> headers(int width, int height, int bits, uint32_t paletteBytes, uint32_t imageBytes) {
    ByteWriter out;
    const uint32_t offset = 14 + 40 + paletteBytes;
    out.tag("BM");
    out.u32(offset + imageBytes);
    out.u32(0);
    out.u32(offset);
    out.u32(40);
    out.u32(static_cast<uint32_t>(width));
    out.u32(static_cast<uint32_t>(height));
    out.u16(1);
    out.u16(static_cast<uint32_t>(bits));
    out.u32(0);
    out.u32(imageBytes);
    out.u32(2835);   // 72 dots per inch
    out.u32(2835);
    out.u32(0);
    out.u32(0);
    return out.bytes;
}

}

std::vector<uint8_t> encodeBmp24(int width, int height, const std::vector<uint8_t>& rgb) {
    const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
    std::vector<uint8_t> out = headers(width, height, 24, 0, static_cast<uint32_t>(stride * height));
    for (int row = 0; row < height; ++row) {
        const uint8_t* src = rgb.data() + size_t(row) * width * 3;
        for (int x = 0; x < width; ++x) {
            out.push_back(src[3 * x + 2]);
            out.push_back(src[3 * x + 1]);
            out.push_back(src[3 * x]);
        }
        out.resize(out.size() + stride - size_t(width) * 3, 0);
    }
    return out;
}

std::vector<uint8_t> encodeBmp1(int width, int height, const std::vector<uint8_t>& bits) {
    const size_t stride = (size_t(width) + 31) / 32 * 4;
    std::vector<uint8_t> out = headers(width, height, 1, 8, static_cast<uint32_t>(stride * height));
    const uint8_t palette[] = {0, 0, 0, 0, 255, 255, 255, 0};   // black, white
    out.insert(out.end(), palette, palette + sizeof palette);
    for (int row = 0; row < height; ++row) {
        std::vector<uint8_t> packed(stride, 0);
        for (int x = 0; x < width; ++x) {
            if (bits[size_t(row) * width + x]) packed[x / 8] |= uint8_t(0x80 >> (x % 8));
        }
        out.insert(out.end(), packed.begin(), packed.end());
    }
    return out;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) return false;
    // An empty file is a file too; fwrite must not be handed an empty vector's null data.
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}
