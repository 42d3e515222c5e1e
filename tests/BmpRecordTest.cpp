#include "shell/BmpRecord.h"
#include "support/TestFiles.h"
#include "tools/BmpWriter.h"

#include <gtest/gtest.h>

TEST(BmpRecord, ExpandsMaskBitsToStencilValues) {
    TempDir dir;
    const std::string file = dir.path("mask.bmp");
    // 40 pixels wide: rows of 5 bytes padded to 8, so padding must be skipped.
    std::vector<uint8_t> bits(40 * 3, 0);
    bits[0] = bits[9] = bits[39] = 1;           // bottom row
    bits[40 + 8] = 1;                           // middle row, first bit of its second byte
    bits[80 + 7] = bits[80 + 32] = 1;           // top row
    writeFile(file, encodeBmp1(40, 3, bits));
    BmpRecord record;
    ASSERT_TRUE(readBmpRecord(record, file));
    EXPECT_EQ(record.width(), 40);
    EXPECT_EQ(record.height(), 3);
    EXPECT_EQ(record.stencilIndices(), bits);
}

TEST(BmpRecord, BadMaskFilesAreRefusedNotTrusted) {
    TempDir dir;
    const std::vector<uint8_t> good = encodeBmp1(32, 4, std::vector<uint8_t>(128, 1));
    auto changed = [&](size_t at, uint8_t value) {
        std::vector<uint8_t> bytes = good;
        bytes[at] = value;
        return bytes;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"cut short in the pixels", std::vector<uint8_t>(good.begin(), good.end() - 1)},
        {"cut short in the header", std::vector<uint8_t>(good.begin(), good.begin() + 30)},
        {"empty", {}},
        {"24 bits per pixel", changed(28, 24)},
        {"top-down", changed(25, 0xFF)},
        {"pixel offset past the end", changed(11, 0x40)},
        {"not a BMP", changed(0, 'X')},
    };
    for (const Case& c : cases) {
        const std::string file = dir.path("mask.bmp");
        writeBytes(file, c.bytes);
        BmpRecord record;
        EXPECT_FALSE(readBmpRecord(record, file)) << c.what;
        EXPECT_TRUE(record.pixels.empty()) << c.what;
    }
    BmpRecord record;
    EXPECT_FALSE(readBmpRecord(record, dir.path("missing.bmp")));
}
