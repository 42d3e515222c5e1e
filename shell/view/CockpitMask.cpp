#include "CockpitMask.h"

#include "shell/view/View.h"

#include <GL/gl.h>

#include <algorithm>

bool CockpitMask::load(const std::string& path) {
    BmpRecord read;
    if (!readBmpRecord(read, path)) {
        clear();
        return false;
    }
    set(read);
    return true;
}

void CockpitMask::set(const BmpRecord& from) {
    record = from;
    stencilBytes = record.stencilIndices();
    coveringPieces = coveringRects(stencilBytes, record.width(), record.height(), 16);
    windowRect = clearBounds(stencilBytes, record.width(), record.height());
}

void CockpitMask::clear() {
    record = BmpRecord();
    stencilBytes.clear();
    coveringPieces.clear();
    windowRect = {0, 0, 0, 0};
}

void CockpitMask::drawStencil(const Viewport& viewport) const {
    if (empty()) return;
    // The mask covers the picture's area whatever its size: its lower-left
    // corner at the viewport's, stretched over all of it.
    glRasterPos2f(-3.0f, -3.0f);
    glPixelZoom(static_cast<float>(viewport.width) / width(), static_cast<float>(viewport.height) / height());
    glDrawPixels(width(), height(), GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, stencilBytes.data());
    glPixelZoom(1.0f, 1.0f);
}

std::vector<PictureRect> CockpitMask::coveringRects(const std::vector<uint8_t>& mask, int width, int height, int band) {
    std::vector<PictureRect> rects;
    if (width <= 0 || height <= 0 || band <= 0 || mask.size() < size_t(width) * size_t(height)) return rects;
    std::vector<uint8_t> columns(static_cast<size_t>(width));
    for (int y0 = 0; y0 < height; y0 += band) {
        const int y1 = std::min(height, y0 + band);
        std::fill(columns.begin(), columns.end(), 0);
        for (int y = y0; y < y1; ++y) {
            const uint8_t* row = &mask[size_t(y) * size_t(width)];
            for (int x = 0; x < width; ++x) columns[size_t(x)] |= row[x];
        }
        for (int x = 0; x < width;) {
            if (!columns[size_t(x)]) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && columns[size_t(x)]) ++x;
            rects.push_back({start, y0, x, y1});
        }
    }
    return rects;
}

PictureRect CockpitMask::clearBounds(const std::vector<uint8_t>& mask, int width, int height) {
    PictureRect r = {width, height, 0, 0};
    if (width <= 0 || height <= 0 || mask.size() < size_t(width) * size_t(height)) return {0, 0, 0, 0};
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = &mask[size_t(y) * size_t(width)];
        for (int x = 0; x < width; ++x) {
            if (row[x]) continue;
            r.x0 = std::min(r.x0, x);
            r.x1 = std::max(r.x1, x + 1);
            r.y0 = std::min(r.y0, y);
            r.y1 = std::max(r.y1, y + 1);
        }
    }
    if (r.x1 == 0) return {0, 0, 0, 0};
    return r;
}
