#include "BmpDecoder.h"

#include "ByteReader.h"
#include "platform/FileReader.h"
#include "platform/ErrorReport.h"

#include <array>
#include <cstdio>
#include <new>

namespace {

constexpr uint32_t BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3;

// Pixels; no texture this game loads comes near it, and it bounds what a
// header can make the decoder allocate.
constexpr int64_t LARGEST_SIDE = 16384;

// Run-length codes can leave pixels out, so their data need not hold every
// pixel; but encoders write at least one two-byte code (a run or an end of
// line) per row, and a run covers at most 255 pixels, so real pictures hold
// far fewer than 1024 pixels per byte of codes. A header claiming more than
// either is refused before the picture is allocated.
constexpr uint64_t RLE_BYTES_PER_ROW = 2;
constexpr uint64_t RLE_PIXELS_PER_BYTE = 1024;

struct Header {
    int64_t width = 0;
    int64_t height = 0;   // negative: rows stored top row first
    uint32_t bitsPerPixel = 0;
    uint32_t compression = BI_RGB;
    uint32_t coloursUsed = 0;
    bool core = false;
};

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};

// One colour channel held in a bit field: shifted down, then widened or narrowed
// to 8 bits by repeating its top bits (5 bits abcde become abcdeabc).
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (mask == 0) return;
        while (((mask >> shift) & 1u) == 0) ++shift;
        while (bits + shift < 32 && ((mask >> (shift + bits)) & 1u)) ++bits;
    }

    uint8_t extract(uint32_t pixel) const {
        if (bits == 0) return 0;
        const uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
        uint32_t result = 0;
        int filled = 0;
        while (filled < 8) {
            result = (result << bits) | v;
            filled += bits;
        }
        return static_cast<uint8_t>(result >> (filled - 8));
    }
};

class Decoder {
public:
    Decoder(const std::vector<uint8_t>& bytes, RgbImage& out) : bytes(bytes), out(out) {}

    DibResult run() {
        const bool fileHeader = bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
        const size_t headerStart = fileHeader ? 14 : 0;
        ByteReader reader(bytes, headerStart);
        const uint32_t headerSize = reader.u32();
        if (!reader.ok() || (headerSize != 40 && headerSize != 12)) return DibResult::UnknownFormat;
        if (!readHeader(reader, headerSize)) return DibResult::ConversionError;

        std::array<uint32_t, 3> masks = {0x7C00, 0x03E0, 0x001F};
        if (header.bitsPerPixel == 32) masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
        if (header.compression == BI_BITFIELDS) {
            for (uint32_t& m : masks) m = reader.u32();
            if (!reader.ok()) return DibResult::ConversionError;
        }
        if (!readColourTable(reader, fileHeader)) return DibResult::ConversionError;

        size_t pixelOffset = reader.position();
        if (fileHeader) {
            ByteReader fh(bytes, 10);
            pixelOffset = fh.u32();
        }
        if (pixelOffset > bytes.size()) return DibResult::ConversionError;
        if (!dataCanHoldPicture(bytes.size() - pixelOffset)) return DibResult::ConversionError;

        try {
            out.width = static_cast<int32_t>(header.width);
            out.height = static_cast<int32_t>(absHeight());
            out.pixels.assign(static_cast<size_t>(header.width * absHeight() * 3), 0);
        } catch (const std::bad_alloc&) {
            return DibResult::OutOfMemory;
        }
        ByteReader pixels(bytes, pixelOffset);
        bool decoded = false;
        if (header.compression == BI_RLE8 || header.compression == BI_RLE4) {
            decoded = decodeRle(pixels, header.compression == BI_RLE4 ? 4 : 8);
        } else {
            decoded = decodeRows(pixels, masks);
        }
        if (!decoded) {
            out = RgbImage();
            return DibResult::ConversionError;
        }
        return DibResult::Ok;
    }

private:
    int64_t absHeight() const { return header.height < 0 ? -header.height : header.height; }

    bool readHeader(ByteReader& reader, uint32_t headerSize) {
        if (headerSize == 12) {
            header.core = true;
            header.width = reader.u16();
            header.height = reader.u16();
            reader.u16();   // planes
            header.bitsPerPixel = reader.u16();
        } else {
            header.width = reader.s32();
            header.height = reader.s32();
            reader.u16();   // planes
            header.bitsPerPixel = reader.u16();
            header.compression = reader.u32();
            reader.skip(12);   // image size, resolutions
            header.coloursUsed = reader.u32();
            reader.u32();   // important colours
        }
        if (!reader.ok()) return false;
        const uint32_t bpp = header.bitsPerPixel;
        if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
        switch (header.compression) {
        case BI_RGB: break;
        case BI_RLE8: if (bpp != 8 || header.height < 0) return false; break;
        case BI_RLE4: if (bpp != 4 || header.height < 0) return false; break;
        case BI_BITFIELDS: if (bpp != 16 && bpp != 32) return false; break;
        default: return false;
        }
        // The side limit also keeps every later product of width, height and
        // bytes per pixel far from overflowing.
        return header.width > 0 && header.height != 0 && header.width <= LARGEST_SIDE &&
               absHeight() <= LARGEST_SIDE;
    }

    uint64_t stride() const { return (uint64_t(header.width) * header.bitsPerPixel + 31) / 32 * 4; }

    bool dataCanHoldPicture(uint64_t dataBytes) const {
        const uint64_t height = uint64_t(absHeight());
        if (header.compression == BI_RLE8 || header.compression == BI_RLE4) {
            return height <= dataBytes / RLE_BYTES_PER_ROW &&
                   uint64_t(header.width) * height <= dataBytes * RLE_PIXELS_PER_BYTE;
        }
        return stride() * height <= dataBytes;
    }

    // The table is needed for indexed pictures, and without a file header its
    // length also tells where the pixels start; otherwise a bad one is ignored.
    bool readColourTable(ByteReader& reader, bool fileHeader) {
        uint64_t entries = header.coloursUsed;
        if (header.core || entries == 0) entries = header.bitsPerPixel <= 8 ? (1u << header.bitsPerPixel) : 0;
        const size_t entrySize = header.core ? 3 : 4;
        if (entries > reader.remaining() / entrySize) return header.bitsPerPixel > 8 && fileHeader;
        // Entries past what the depth can index are read over, not used.
        const uint64_t used = header.bitsPerPixel <= 8 ? std::min<uint64_t>(entries, 1u << header.bitsPerPixel) : 0;
        for (uint64_t i = 0; i < entries; ++i) {
            Rgb c;
            c.b = reader.u8();
            c.g = reader.u8();
            c.r = reader.u8();
            if (entrySize == 4) reader.u8();
            if (i < used) palette.push_back(c);
        }
        return reader.ok();
    }

    void put(uint64_t x, uint64_t row, const Rgb& c) {
        const size_t at = static_cast<size_t>((row * uint64_t(header.width) + x) * 3);
        out.pixels[at] = c.r;
        out.pixels[at + 1] = c.g;
        out.pixels[at + 2] = c.b;
    }

    bool putIndex(uint64_t x, uint64_t row, uint32_t index) {
        if (index >= palette.size()) return false;
        put(x, row, palette[index]);
        return true;
    }

    bool decodeRows(ByteReader& reader, const std::array<uint32_t, 3>& masks) {
        const uint64_t width = uint64_t(header.width), height = uint64_t(absHeight());
        const uint64_t stride = this->stride();
        if (stride > reader.remaining() || height > reader.remaining() / stride) return false;
        const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
        for (uint64_t i = 0; i < height; ++i) {
            const uint8_t* src = reader.view(static_cast<size_t>(stride));
            const uint64_t row = header.height > 0 ? i : height - 1 - i;
            for (uint64_t x = 0; x < width; ++x) {
                switch (header.bitsPerPixel) {
                case 1:
                    if (!putIndex(x, row, (src[x / 8] >> (7 - x % 8)) & 1u)) return false;
                    break;
                case 4:
                    if (!putIndex(x, row, (src[x / 2] >> (x % 2 ? 0 : 4)) & 15u)) return false;
                    break;
                case 8:
                    if (!putIndex(x, row, src[x])) return false;
                    break;
                case 16: {
                    const uint32_t p = src[2 * x] | (uint32_t(src[2 * x + 1]) << 8);
                    put(x, row, {red.extract(p), green.extract(p), blue.extract(p)});
                    break;
                }
                case 24:
                    put(x, row, {src[3 * x + 2], src[3 * x + 1], src[3 * x]});
                    break;
                default: {
                    const uint8_t* q = src + 4 * x;
                    const uint32_t p = q[0] | (uint32_t(q[1]) << 8) | (uint32_t(q[2]) << 16) | (uint32_t(q[3]) << 24);
                    put(x, row, {red.extract(p), green.extract(p), blue.extract(p)});
                }
                }
            }
        }
        return true;
    }

    // Run-length codes. Pixels the codes skip stay black. Pixels past a row's
    // right edge are dropped, as Windows does (encoders such as ImageMagick's
    // emit the row padding as pixels); a code that writes below the last row
    // or moves outside the picture fails the decode. Data that simply ends
    // after a whole code counts as the end of the bitmap.
    bool decodeRle(ByteReader& reader, int bits) {
        const uint64_t width = uint64_t(header.width), height = uint64_t(absHeight());
        uint64_t x = 0, row = 0;
        auto index = [bits](uint32_t value, uint64_t i) -> uint32_t {
            if (bits == 8) return value;
            return i % 2 ? (value & 15u) : (value >> 4);
        };
        while (reader.remaining() > 0) {
            const uint8_t count = reader.u8();
            const uint8_t value = reader.u8();
            if (!reader.ok()) return false;
            if (count > 0) {
                if (row >= height) return false;
                for (uint64_t i = 0; i < count; ++i, ++x) {
                    if (x < width && !putIndex(x, row, index(value, i))) return false;
                }
                continue;
            }
            if (value == 0) {
                x = 0;
                ++row;
            } else if (value == 1) {
                return true;
            } else if (value == 2) {
                const uint8_t dx = reader.u8(), dy = reader.u8();
                if (!reader.ok()) return false;
                x += dx;
                row += dy;
                if (x > width || row > height) return false;
            } else {
                const uint64_t n = value;
                const uint64_t dataBytes = bits == 8 ? n : (n + 1) / 2;
                const uint8_t* src = reader.view(static_cast<size_t>(dataBytes));
                if (!src || row >= height) return false;
                for (uint64_t i = 0; i < n; ++i, ++x) {
                    const uint32_t v = bits == 8 ? src[i] : index(src[i / 2], i);
                    if (x < width && !putIndex(x, row, v)) return false;
                }
                if (dataBytes % 2) reader.skip(1);   // absolute runs end on a 16-bit boundary
                if (!reader.ok()) return false;
            }
        }
        return true;
    }

    const std::vector<uint8_t>& bytes;
    RgbImage& out;
    Header header;
    std::vector<Rgb> palette;
};

}

DibResult decodeDib(const std::vector<uint8_t>& bytes, RgbImage& out) {
    out = RgbImage();
    return Decoder(bytes, out).run();
}

std::unique_ptr<RgbImage> loadDibImage(const std::string& fileName) {
    std::vector<uint8_t> bytes;
    // An empty file cannot be mapped, so it fails as if it could not be opened.
    std::string why;
    if (!FileReader::read(fileName, FileReader::PICTURE, bytes, why) || bytes.empty()) {
        reportError("Failed to open DIB file " + fileName + ".\n");
        return nullptr;
    }
    try {
        auto image = std::make_unique<RgbImage>();
        switch (decodeDib(bytes, *image)) {
        case DibResult::Ok: return image;
        case DibResult::UnknownFormat: reportError("Unknown DIB file format."); break;
        case DibResult::ConversionError: reportError("Image file conversion error."); break;
        case DibResult::OutOfMemory: reportError("Out of memory."); break;
        }
    } catch (const std::bad_alloc&) {
        reportError("Out of memory.");
    }
    return nullptr;
}
