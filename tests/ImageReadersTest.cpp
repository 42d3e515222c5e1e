// Guards the TGA and RAW readers: every kind of file gets its own answer, no pixel shifts or is read past.
#include "assets/RawImage.h"
#include "assets/TgaImage.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> tga(uint8_t idLength, uint8_t colourMap, uint8_t type, uint16_t w, uint16_t h, uint8_t bits,
                         const std::vector<uint8_t>& pixels) {
    std::vector<uint8_t> out = {idLength, colourMap, type, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                uint8_t(w), uint8_t(w >> 8), uint8_t(h), uint8_t(h >> 8), bits, 0};
    out.insert(out.end(), idLength, 'I');
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

}

TEST(TgaImage, EachKindOfFileGetsItsOwnAnswer) {
    const std::vector<uint8_t> pixels32(2 * 2 * 4, 9);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        int code;
    } cases[] = {
        {"32-bit true colour", tga(0, 0, 2, 2, 2, 32, pixels32), TgaImage::LOADED},
        {"8-bit grey", tga(0, 0, 3, 4, 2, 8, std::vector<uint8_t>(8, 1)), TgaImage::LOADED},
        {"run-length encoded", tga(0, 0, 10, 2, 2, 32, pixels32), TgaImage::UNSUPPORTED_TYPE},
        {"colour-mapped", tga(0, 1, 2, 2, 2, 32, pixels32), TgaImage::UNSUPPORTED_TYPE},
        {"width 1", tga(0, 0, 2, 1, 2, 32, pixels32), TgaImage::BAD_SIZE},
        {"width 1024", tga(0, 0, 2, 1024, 2, 32, pixels32), TgaImage::BAD_SIZE},
        {"height 6", tga(0, 0, 2, 2, 6, 32, pixels32), TgaImage::BAD_SIZE},
        {"16 bits", tga(0, 0, 2, 2, 2, 16, pixels32), TgaImage::BAD_DEPTH},
        {"pixels cut short", tga(0, 0, 2, 2, 2, 32, std::vector<uint8_t>(15, 9)), TgaImage::SHORT_DATA},
        {"header cut short", std::vector<uint8_t>{0, 0, 2, 0, 0}, TgaImage::SHORT_DATA},
    };
    for (const Case& c : cases) EXPECT_EQ(TgaImage().parse(c.bytes), c.code) << c.what;
    EXPECT_EQ(TgaImage().load("/nonexistent/missing.tga"), TgaImage::CANNOT_OPEN);
}

TEST(TgaImage, PixelsDoNotShiftBehindAnImageIdField) {
    // An 11-byte ID field: read from byte 18 regardless, every pixel would shift.
    std::vector<uint8_t> pixels = {1, 2, 3, 4};
    pixels.resize(2 * 2 * 4, 0);
    TgaImage image;
    ASSERT_EQ(image.parse(tga(11, 0, 2, 2, 2, 32, pixels)), TgaImage::LOADED);
    EXPECT_EQ(std::vector<uint8_t>(image.pixels.begin(), image.pixels.begin() + 4), (std::vector<uint8_t>{3, 2, 1, 4}));
    EXPECT_EQ(image.pixelFormat, static_cast<GLenum>(GL_RGBA));
    EXPECT_EQ(image.pixelCount, 4u);
}

TEST(RawImage, AFileOfAnyOtherLengthIsRefused) {
    TempDir dir;
    writeBytes(dir.path("font.raw"), std::vector<uint8_t>(16 * 8 * 3, 7));
    const auto image = readRaw(dir.path("font.raw"), 16, 8);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 16);
    EXPECT_EQ(image->pixels.size(), 16u * 8 * 3);
    EXPECT_EQ(decodeRaw(std::vector<uint8_t>(16 * 8 * 3 + 1, 7), 16, 8), nullptr);
    EXPECT_EQ(decodeRaw(std::vector<uint8_t>(16 * 8 * 3 - 1, 7), 16, 8), nullptr);
    EXPECT_NE(decodeRaw(std::vector<uint8_t>(12 * 2, 7), 3, 2), nullptr) << "rows of 3 pixels are padded to 12 bytes";
    EXPECT_EQ(readRaw(dir.path("missing.raw"), 16, 8), nullptr);
}
