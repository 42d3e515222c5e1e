#include "shell/BmpRecord.h"
#include "support/TestFiles.h"
#include "tools/BmpWriter.h"

#include <gtest/gtest.h>

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
