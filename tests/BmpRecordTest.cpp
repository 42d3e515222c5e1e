// Guards the cockpit-mask reader: image editors' masks read, bad ones refused, nothing trusted past the file.
#include "assets/BmpRecord.h"
#include "support/TestFiles.h"
#include "tools/BmpWriter.h"

#include <gtest/gtest.h>

TEST(BmpRecord, BadMaskFilesAreRefusedNotTrusted) {
    const std::vector<uint8_t> good = encodeBmp1(32, 4, std::vector<uint8_t>(128, 1));
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"cut short in the pixels", std::vector<uint8_t>(good.begin(), good.end() - 1)},
        {"cut short in the header", std::vector<uint8_t>(good.begin(), good.begin() + 30)},
        {"empty", {}},
        {"24 bits per pixel", withByte(good, 28, 24)},
        {"top-down", withByte(good, 25, 0xFF)},
        {"pixel offset past the end", withByte(good, 11, 0x40)},
        {"not a BMP", withByte(good, 0, 'X')},
        {"info header under 40 bytes", withByte(good, 14, 12)},
    };
    for (const Case& c : cases) {
        BmpRecord record;
        EXPECT_FALSE(parseBmpRecord(record, c.bytes)) << c.what;
        EXPECT_TRUE(record.pixels.empty()) << c.what;
    }
    BmpRecord record;
    EXPECT_FALSE(readBmpRecord(record, "/nonexistent/mask.bmp"));
}

TEST(BmpRecord, MasksWithTheLongerHeadersOfImageEditorsAreRead) {
    // Editors save 1-bit BMPs with 108- or 124-byte info headers; the mask was
    // refused and the cockpit picture never painted.
    std::vector<uint8_t> bits(32 * 4, 0);
    bits[0] = bits[33] = bits[127] = 1;
    const std::vector<uint8_t> plain = encodeBmp1(32, 4, bits);
    BmpRecord expected;
    ASSERT_TRUE(parseBmpRecord(expected, plain));
    for (const uint32_t headerSize : {108u, 124u}) {
        std::vector<uint8_t> bytes(plain.begin(), plain.begin() + 54);
        bytes.insert(bytes.end(), headerSize - 40, 0);   // the later header's extra fields
        const uint32_t offset = 14 + headerSize + 8;     // then the two-entry colour table
        bytes.insert(bytes.end(), plain.begin() + 54, plain.end());
        for (int i = 0; i < 4; ++i) {
            bytes[14 + i] = uint8_t(headerSize >> (8 * i));
            bytes[10 + i] = uint8_t(offset >> (8 * i));
        }
        BmpRecord record;
        ASSERT_TRUE(parseBmpRecord(record, bytes)) << headerSize;
        EXPECT_EQ(record.stencilIndices(), expected.stencilIndices()) << headerSize;
    }
}
