#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// Little-endian reads from a byte buffer that never leave it. A read past the end
// yields zero and sets a sticky failure flag, so a parser can read a whole record
// and check ok() once.
class ByteReader {
public:
    explicit ByteReader(const std::vector<uint8_t>& bytes, size_t start = 0)
        : data(bytes.data()), size(bytes.size()), pos(start), failed(start > bytes.size()) {}

    bool ok() const { return !failed; }
    size_t position() const { return pos; }
    size_t remaining() const { return pos <= size ? size - pos : 0; }
    bool has(size_t count) const { return !failed && count <= remaining(); }

    void seek(size_t offset) {
        if (offset > size) failed = true;
        else pos = offset;
    }
    void skip(size_t count) {
        if (!has(count)) failed = true;
        else pos += count;
    }

    uint8_t u8() { return take(1) ? data[pos - 1] : 0; }
    int8_t s8() { return static_cast<int8_t>(u8()); }
    uint16_t u16() {
        if (!take(2)) return 0;
        return static_cast<uint16_t>(data[pos - 2] | (data[pos - 1] << 8));
    }
    int16_t s16() { return static_cast<int16_t>(u16()); }
    uint32_t u32() {
        if (!take(4)) return 0;
        const uint8_t* p = data + pos - 4;
        return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
    }
    int32_t s32() { return static_cast<int32_t>(u32()); }
    float f32() {
        const uint32_t bits = u32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // Copies count bytes to out, or fails and leaves out untouched.
    bool bytes(void* out, size_t count) {
        if (!take(count)) return false;
        std::memcpy(out, data + pos - count, count);
        return true;
    }
    // Pointer to count bytes at the current position, then moves past them; null on failure.
    const uint8_t* view(size_t count) { return take(count) ? data + pos - count : nullptr; }

private:
    bool take(size_t count) {
        if (!has(count)) {
            failed = true;
            return false;
        }
        pos += count;
        return true;
    }

    const uint8_t* data;
    size_t size;
    size_t pos;
    bool failed;
};
