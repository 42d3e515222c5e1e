#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Appends little-endian numbers and fixed-size texts to a byte buffer: the
// common ground of every file format the generator writes.
class ByteWriter {
public:
    std::vector<uint8_t> bytes;

    void u8(uint32_t v) { bytes.push_back(static_cast<uint8_t>(v)); }
    void u16(uint32_t v) {
        u8(v & 0xFF);
        u8((v >> 8) & 0xFF);
    }
    void u32(uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void f32(float v) {
        uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        u32(bits);
    }
    void floats(const float* v, int n) {
        for (int i = 0; i < n; ++i) f32(v[i]);
    }
    // The characters as they are, no terminator.
    void tag(const char* text) { bytes.insert(bytes.end(), text, text + std::strlen(text)); }
    // A field of `size` bytes, NUL-padded and always NUL-terminated; longer texts are cut.
    void text(const std::string& s, size_t size) {
        for (size_t i = 0; i < size; ++i) u8(i + 1 < size && i < s.size() ? uint8_t(s[i]) : 0);
    }
    void set16(size_t at, uint32_t v) {
        bytes[at] = static_cast<uint8_t>(v);
        bytes[at + 1] = static_cast<uint8_t>(v >> 8);
    }
    size_t size() const { return bytes.size(); }
};
