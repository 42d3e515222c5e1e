#include "BmpWriter.h"

#include <cstdio>
#include <memory>

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::vector<uint8_t> headers(int width, int height, int bits, uint32_t paletteBytes, uint32_t imageBytes) {
    std::vector<uint8_t> out;
    const uint32_t offset = 14 + 40 + paletteBytes;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageBytes);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));
    put16(out, 1);
    put16(out, bits);
    put32(out, 0);
    put32(out, imageBytes);
    put32(out, 2835);   // 72 dots per inch
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    return out;
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
    put32(out, 0x00000000);   // index 0: black
    put32(out, 0x00FFFFFF);   // index 1: white
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
    return std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}
