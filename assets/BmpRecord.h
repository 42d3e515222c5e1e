#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A 1-bit BMP kept as stored: headers and the pixel array, rows bottom-up and
// padded, bits most significant first. Holds the cockpit mask.
struct BmpRecord {
    uint8_t fileHeader[14] = {};
    uint8_t infoHeader[40] = {};
    std::vector<uint8_t> pixels;

    int32_t width() const;
    int32_t height() const;
    uint16_t bitsPerPixel() const;
    uint32_t pixelOffset() const;
    uint32_t imageSize() const;

    // One byte per pixel, 0 for a clear bit and 1 for a set one, rows bottom-up,
    // no padding: the form glDrawPixels takes for the stencil buffer.
    std::vector<uint8_t> stencilIndices() const;
};

// Fills the record from a 1-bit BMP file with an info header of 40 bytes or
// more (only the first 40 are kept). False, with the record emptied, when the
// file is missing, short, or not an uncompressed bottom-up 1-bit BMP; the game
// then runs without a cockpit mask.
bool readBmpRecord(BmpRecord& record, const std::string& path);
// The same, from the file's bytes.
bool parseBmpRecord(BmpRecord& record, const std::vector<uint8_t>& file);
