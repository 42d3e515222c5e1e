#include "BmpRecord.h"

#include "assets/ByteReader.h"
#include "platform/FileReader.h"

#include <cstring>

namespace {

uint32_t le32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

constexpr int32_t LARGEST_SIDE = 16384;   // pixels; far beyond any screen

size_t rowBytes(int32_t width) {
    return (size_t(width) + 31) / 32 * 4;
}

}

int32_t BmpRecord::width() const { return static_cast<int32_t>(le32(infoHeader + 4)); }
int32_t BmpRecord::height() const { return static_cast<int32_t>(le32(infoHeader + 8)); }
uint16_t BmpRecord::bitsPerPixel() const { return static_cast<uint16_t>(infoHeader[14] | (infoHeader[15] << 8)); }
uint32_t BmpRecord::pixelOffset() const { return le32(fileHeader + 10); }
uint32_t BmpRecord::imageSize() const { return le32(infoHeader + 20); }

std::vector<uint8_t> BmpRecord::stencilIndices() const {
    const int32_t w = width(), h = height();
    std::vector<uint8_t> out(size_t(w) * size_t(h));
    const size_t stride = rowBytes(w);
    for (int32_t row = 0; row < h; ++row) {
        const uint8_t* src = pixels.data() + size_t(row) * stride;
        uint8_t* dst = out.data() + size_t(row) * size_t(w);
        for (int32_t x = 0; x < w; ++x) dst[x] = (src[x / 8] >> (7 - x % 8)) & 1u;
    }
    return out;
}

bool readBmpRecord(BmpRecord& record, const std::string& path) {
    record = BmpRecord();
    std::vector<uint8_t> file;
    std::string why;
    return FileReader::read(path, FileReader::PICTURE, file, why) && parseBmpRecord(record, file);
}

bool parseBmpRecord(BmpRecord& record, const std::vector<uint8_t>& file) {
    record = BmpRecord();
    ByteReader reader(file);
    BmpRecord read;
    if (!reader.bytes(read.fileHeader, 14) || !reader.bytes(read.infoHeader, 40)) return false;
    const uint32_t compression = le32(read.infoHeader + 16);
    // Image editors write the later 108- and 124-byte headers; their first 40
    // bytes are the same, and the pixels are found through the file header.
    if (read.fileHeader[0] != 'B' || read.fileHeader[1] != 'M' || le32(read.infoHeader) < 40 ||
        read.bitsPerPixel() != 1 || compression != 0 || read.width() <= 0 || read.height() <= 0 ||
        read.width() > LARGEST_SIDE || read.height() > LARGEST_SIDE) {
        return false;
    }
    // Only the rows the picture needs are read, whatever the size field claims.
    const size_t needed = rowBytes(read.width()) * size_t(read.height());
    reader.seek(read.pixelOffset());
    const uint8_t* data = reader.view(needed);
    if (!data) return false;
    read.pixels.assign(data, data + needed);
    record = std::move(read);
    return true;
}
