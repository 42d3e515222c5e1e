// Guards the BMP decoder: every kind read as ImageMagick reads it, broken files refused without overreads.
#include "assets/BmpDecoder.h"
#include "support/AllocationProbe.h"
#include "support/TestFiles.h"
#include "tools/BmpWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A BMP assembled field by field, for the kinds ImageMagick does not write and
// for broken files.
struct BmpSpec {
    uint32_t headerSize = 40;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t bits = 24;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    std::vector<uint32_t> masks;           // after the header, for bit fields
    std::vector<uint8_t> palette;          // raw table bytes
    std::vector<uint8_t> pixels;           // raw pixel bytes
    bool fileHeader = true;
};

BmpSpec spec(uint32_t headerSize, int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0,
             size_t zeroPixelBytes = 0) {
    return BmpSpec{headerSize, width, height, bits, compression, 0, {}, {}, std::vector<uint8_t>(zeroPixelBytes)};
}

void put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

std::vector<uint8_t> build(const BmpSpec& s) {
    std::vector<uint8_t> info;
    const int side = s.headerSize == 12 ? 2 : 4;   // core headers hold 16-bit sides and nothing after the depth
    put(info, s.headerSize, 4);
    put(info, uint32_t(s.width), side);
    put(info, uint32_t(s.height), side);
    put(info, 1, 2);
    put(info, s.bits, 2);
    if (s.headerSize != 12) {
        for (uint32_t v : {s.compression, uint32_t(s.pixels.size()), 0u, 0u, s.coloursUsed, 0u}) put(info, v, 4);
        info.resize(s.headerSize, 0);
    }
    for (uint32_t m : s.masks) put(info, m, 4);
    info.insert(info.end(), s.palette.begin(), s.palette.end());
    std::vector<uint8_t> out;
    if (s.fileHeader) {
        out = {'B', 'M'};
        for (size_t v : {14 + info.size() + s.pixels.size(), size_t(0), 14 + info.size()}) put(out, uint32_t(v), 4);
    }
    out.insert(out.end(), info.begin(), info.end());
    out.insert(out.end(), s.pixels.begin(), s.pixels.end());
    return out;
}

// A small picture with many distinct colours, odd sizes so rows need padding.
std::vector<uint8_t> pattern(int w, int h) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            rgb.push_back(uint8_t(x * 37 + y * 11));
            rgb.push_back(uint8_t(y * 53 + 7));
            rgb.push_back(uint8_t((x ^ y) * 29));
        }
    }
    return rgb;
}

// Our decoding of `bytes` against ImageMagick's of `file` (the same pixels).
void expectSameAsImageMagick(const std::vector<uint8_t>& bytes, const std::string& file) {
    RgbImage ours;
    ASSERT_EQ(decodeDib(bytes, ours), DibResult::Ok) << file;
    const RgbImage reference = decodeWithImageMagick(file);
    ASSERT_FALSE(reference.pixels.empty()) << "ImageMagick could not read " << file;
    EXPECT_EQ(ours.width, reference.width) << file;
    EXPECT_EQ(ours.height, reference.height) << file;
    EXPECT_EQ(ours.pixels, reference.pixels) << file;
}

// Entry 0 is black: pixels that run-length codes skip are black to us and
// colour 0 to ImageMagick, so the two agree only then.
std::vector<uint8_t> greyPalette(int entries) {
    std::vector<uint8_t> table;
    for (int i = 0; i < entries; ++i) {
        const uint8_t v = uint8_t(i * 255 / (entries - 1));
        table.insert(table.end(), {v, uint8_t(v / 2), uint8_t(i * 7), 0});
    }
    return table;
}

}

TEST(BmpDecoder, MatchesImageMagickOnEveryKind) {
    TempDir dir;
    const std::string src = dir.path("src.bmp");
    writeFile(src, encodeBmp24(13, 7, pattern(13, 7)));
    struct Case {
        const char* name;
        const char* options;
    } cases[] = {
        {"rgb24.bmp", "-type TrueColor bmp3:"},
        {"rgb32.bmp", "-alpha on -define bmp3:alpha=true bmp3:"},
        {"pal8.bmp", "-colors 200 -type Palette -compress None bmp3:"},
        {"rle8.bmp", "-colors 200 -type Palette -compress RLE bmp3:"},
        {"pal4.bmp", "-colors 12 -type Palette bmp3:"},
        {"mono1.bmp", "-monochrome bmp3:"},
        {"core24.bmp", "-type TrueColor bmp2:"},
        {"core8.bmp", "-colors 200 -type Palette bmp2:"},
        {"core4.bmp", "-colors 12 -type Palette bmp2:"},
        {"core1.bmp", "-monochrome bmp2:"},
    };
    for (const Case& c : cases) {
        const std::string file = dir.path(c.name);
        ASSERT_TRUE(run(std::string(IMAGEMAGICK) + " '" + src + "' " + c.options + "'" + file + "'")) << c.name;
        expectSameAsImageMagick(readBytes(file), file);
    }

    // ImageMagick 6.9 writes 16-bit bit-field files with a 40-byte header but then
    // cannot read their masks. It reads its 124-byte (version 5) headers, which we
    // refuse as unknown, so the reference decodes the version-5 file and we decode
    // the same pixels behind a 40-byte header and its three masks.
    for (const char* subtype : {"RGB565", "RGB555"}) {
        const std::string v5 = dir.path(std::string(subtype) + ".bmp");
        ASSERT_TRUE(run(std::string(IMAGEMAGICK) + " '" + src + "' -define bmp:subtype=" + subtype + " bmp:'" + v5 + "'"));
        const std::vector<uint8_t> file = readBytes(v5);
        ASSERT_EQ(file[14], 124);
        const uint32_t offset = file[10] | (file[11] << 8);
        std::vector<uint8_t> v3 = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 14 + 40 + 12, 0, 0, 0};
        v3.insert(v3.end(), file.begin() + 14, file.begin() + 14 + 40);
        v3[14] = 40;
        v3.insert(v3.end(), file.begin() + 14 + 40, file.begin() + 14 + 52);   // the masks
        v3.insert(v3.end(), file.begin() + offset, file.end());
        expectSameAsImageMagick(v3, v5);
    }

    // Kinds ImageMagick does not write, built field by field.
    // 16 bits, no compression: 5-5-5 by default.
    BmpSpec rgb555 = spec(40, 5, 3, 16);
    for (int i = 0; i < 5 * 3; ++i) {
        put(rgb555.pixels, uint32_t(i * 2203 + 17) & 0x7FFF, 2);
        if (i % 5 == 4) put(rgb555.pixels, 0, 2);   // rows padded to 12 bytes
    }
    // 32 bits with bit fields in an unusual order.
    BmpSpec fields32 = spec(40, 3, 2, 32, 3);
    fields32.masks = {0x000000FF, 0x00FF0000, 0xFF000000};
    for (int i = 0; i < 6; ++i) put(fields32.pixels, 0x12345678u * (i + 1), 4);
    // 4-bit run-length codes: runs, an absolute run, ends of line, a delta one
    // right and one down, end of bitmap. (ImageMagick refuses an end of bitmap
    // before the last row, which Windows accepts, so the codes reach it.)
    BmpSpec rle4 = spec(40, 8, 4, 4, 2);
    rle4.palette = greyPalette(16);
    rle4.pixels = {4, 0x12, 0, 3, 0x34, 0x50, 1, 0x0F, 0, 0, 2, 0xAB, 0, 2, 1, 1, 5, 0xCD, 0, 0, 8, 0x34, 0, 0, 0, 1};
    // Rows stored top row first.
    BmpSpec topDown = spec(40, 3, -2, 24);
    topDown.pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 0, 0};
    // A core header, whose colour table has 3-byte entries.
    BmpSpec core8 = spec(12, 6, 3, 8);
    for (int i = 0; i < 256; ++i) core8.palette.insert(core8.palette.end(), {uint8_t(i), uint8_t(i / 2), uint8_t(i * 7)});
    for (int i = 0; i < 3; ++i) core8.pixels.insert(core8.pixels.end(), {uint8_t(i), 50, 100, 150, 200, 255, 0, 0});

    int n = 0;
    for (BmpSpec* spec : {&rgb555, &fields32, &rle4, &topDown, &core8}) {
        const std::string file = dir.path("own" + std::to_string(n++) + ".bmp");
        writeBytes(file, build(*spec));
        expectSameAsImageMagick(build(*spec), file);
        // Without the file header (as in a resource) the pixels are found after the table.
        spec->fileHeader = false;
        expectSameAsImageMagick(build(*spec), file);
    }
}

TEST(BmpDecoder, RefusesBrokenFilesWithoutReadingOrAllocatingPastThem) {
    auto file = [](BmpSpec s, std::vector<uint8_t> pixels, std::vector<uint8_t> palette = {}) {
        s.pixels = std::move(pixels);
        s.palette = std::move(palette);
        s.coloursUsed = static_cast<uint32_t>(s.palette.size() / 4);
        return build(s);
    };
    BmpSpec fields24 = spec(40, 4, 2, 24, 3, 24);
    fields24.masks = {0xFF, 0xFF00, 0xFF0000};
    const auto grey = greyPalette(256);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        DibResult expected;
    } cases[] = {
        {"colour index past the table", file(spec(40, 4, 2, 8), {0, 1, 1, 0, 1, 0, 5, 1}, greyPalette(2)),
         DibResult::ConversionError},
        {"run below the last row", file(spec(40, 4, 2, 8, 1), {4, 1, 0, 0, 4, 1, 0, 0, 4, 1, 0, 1}, grey),
         DibResult::ConversionError},
        {"delta off the picture", file(spec(40, 4, 2, 8, 1), {0, 2, 0, 3, 1, 1}, grey), DibResult::ConversionError},
        {"size beyond any buffer", file(spec(40, 0x7FFFFFFF, 0x7FFFFFFF, 24), {1, 2, 3}), DibResult::ConversionError},
        // Found by fuzzing: a 70-byte file claiming 57000 x 57000 pixels made
        // the decoder allocate and clear 9.8 GB before finding the data missing.
        {"huge claim in 70 bytes", file(spec(40, 57000, 57000, 24), std::vector<uint8_t>(16, 7)),
         DibResult::ConversionError},
        {"wider than 16384", file(spec(40, 16385, 1, 8), std::vector<uint8_t>(16388), grey), DibResult::ConversionError},
        {"run-length codes too few for the picture", file(spec(40, 16384, 16384, 8, 1), {0, 1}, grey),
         DibResult::ConversionError},
        {"negative width", build(spec(40, -4, 2, 24, 0, 24)), DibResult::ConversionError},
        {"pixel data past the end", build(spec(40, 64, 64, 24, 0, 100)), DibResult::ConversionError},
        {"pixel offset past the end", withByte(build(spec(40, 2, 2, 24, 0, 16)), 11, 0xFF), DibResult::ConversionError},
        {"run-length top-down", file(spec(40, 4, -2, 8, 1), {0, 1}, grey), DibResult::ConversionError},
        {"embedded JPEG", build(spec(40, 4, 2, 24, 4, 24)), DibResult::ConversionError},
        {"bit fields on 24 bits", build(fields24), DibResult::ConversionError},
        {"108-byte header", build(spec(108, 4, 2, 24, 0, 24)), DibResult::UnknownFormat},
        {"three bytes", {'B', 'M', 0}, DibResult::UnknownFormat},
    };
    for (const Case& c : cases) {
        RgbImage image;
        AllocationProbe probe;
        EXPECT_EQ(decodeDib(c.bytes, image), c.expected) << c.what;
        EXPECT_TRUE(image.pixels.empty()) << c.what;
        // Nothing is allocated for what the file merely claims.
        EXPECT_LT(probe.largest(), 2 * c.bytes.size() + 4096) << c.what;
    }
}
