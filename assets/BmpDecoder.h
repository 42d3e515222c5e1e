#pragma once

#include "RgbImage.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Why a BMP could not be decoded. Each outcome but Ok has one fixed message.
enum class DibResult { Ok, UnknownFormat, ConversionError, OutOfMemory };

// Decodes a BMP (with or without its 14-byte file header; 40-byte info or 12-byte
// core header) of 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed, RLE8, RLE4
// or with bit fields, into packed RGB rows, bottom row first. Nothing outside
// `bytes` is ever read: truncated data, bad counts and indexes fail the decode,
// and so does a side over 16384 pixels or a picture its data cannot hold,
// before anything is allocated for it.
DibResult decodeDib(const std::vector<uint8_t>& bytes, RgbImage& out);

// Reads and decodes a BMP file, reporting a failure with its message through the
// error report. Returns no image on failure.
std::unique_ptr<RgbImage> loadDibImage(const std::string& fileName);
