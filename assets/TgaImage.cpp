#include "TgaImage.h"

#include "ByteReader.h"
#include "platform/FileReader.h"

#include <utility>

namespace {

bool isAllowedSide(uint32_t side) {
    for (uint32_t s = 2; s <= 512; s *= 2) {
        if (side == s) return true;
    }
    return false;
}

}

int TgaImage::load(const std::string& fileName) {
    std::vector<uint8_t> file;
    std::string why;
    if (!FileReader::read(fileName, FileReader::PICTURE, file, why)) return CANNOT_OPEN;
    return parse(file);
}

int TgaImage::parse(const std::vector<uint8_t>& file) {
    ByteReader reader(file);
    const uint8_t idLength = reader.u8();
    const uint8_t colourMapType = reader.u8();
    const uint8_t imageType = reader.u8();
    reader.seek(12);
    width = reader.u16();
    height = reader.u16();
    bitsPerPixel = reader.u8();
    reader.u8();   // descriptor: rows are used as stored
    if (!reader.ok()) return SHORT_DATA;
    pixelCount = width * height;

    if (colourMapType != 0 || (imageType != 2 && imageType != 3)) return UNSUPPORTED_TYPE;
    if (!isAllowedSide(width) || !isAllowedSide(height)) return BAD_SIZE;
    if (bitsPerPixel != 32 && bitsPerPixel != 24 && bitsPerPixel != 8) return BAD_DEPTH;

    // The image ID field sits between the header and the pixels.
    reader.skip(idLength);
    const size_t bytesPerPixel = bitsPerPixel / 8;
    const size_t size = size_t(pixelCount) * bytesPerPixel;
    const uint8_t* data = reader.view(size);
    if (!data) return SHORT_DATA;
    pixels.assign(data, data + size);
    if (bytesPerPixel >= 3) {
        for (size_t i = 0; i < size; i += bytesPerPixel) std::swap(pixels[i], pixels[i + 2]);
    }
    pixelFormat = bitsPerPixel == 32 ? GL_RGBA : bitsPerPixel == 24 ? GL_RGB : GL_LUMINANCE;
    return LOADED;
}
