#pragma once

#include "assets/BmpRecord.h"

#include <cstdint>
#include <string>
#include <vector>

struct Viewport;

// A rectangle of the cockpit picture, in mask pixels from the lower left.
struct PictureRect {
    int x0, y0, x1, y1;   // x1 and y1 exclusive
};

// Which pixels of the picture are cockpit and which show space: the 1-bit
// mask as read, one byte per pixel for the stencil buffer, the rectangles
// that hold every cockpit pixel and the one that holds the window onto space.
// Empty when there is no mask: the scene then fills the whole picture.
class CockpitMask {
public:
    // False, with the mask emptied, when the file is not a usable 1-bit BMP.
    bool load(const std::string& path);
    // The same from a record already read (tests).
    void set(const BmpRecord& record);
    void clear();

    bool empty() const { return stencilBytes.empty(); }
    int width() const { return record.width(); }
    int height() const { return record.height(); }
    const std::vector<uint8_t>& stencil() const { return stencilBytes; }   // rows bottom-up, 0 or 1
    const std::vector<PictureRect>& pieces() const { return coveringPieces; }
    const PictureRect& window() const { return windowRect; }

    // Draws the mask into the stencil buffer, stretched over the viewport: 1
    // where the cockpit covers the picture, 0 where space shows. The caller's
    // projection maps (-3, -3) to the viewport's lower-left corner.
    void drawStencil(const Viewport& viewport) const;

    // Rectangles covering every set pixel of a width x height mask (one byte
    // per pixel, rows bottom-up): per band of rows, one rectangle per run of
    // columns set in any of its rows. Painting these instead of the whole
    // picture leaves the window's pixels alone, which the stencil would
    // reject anyway.
    static std::vector<PictureRect> coveringRects(const std::vector<uint8_t>& mask, int width, int height, int band);
    // The smallest rectangle holding every clear pixel of the mask: the only
    // part of the picture the scene can show in. Empty (all zeros) when none
    // is clear or the mask is shorter than its size says.
    static PictureRect clearBounds(const std::vector<uint8_t>& mask, int width, int height);

private:
    BmpRecord record;
    std::vector<uint8_t> stencilBytes;
    std::vector<PictureRect> coveringPieces;
    PictureRect windowRect = {0, 0, 0, 0};
};
