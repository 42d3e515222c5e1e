#include "View.h"

#include <cstdint>

void View::resize(int width, int height) {
    windowWidth = width;
    windowHeight = height;
    area = fit(width, height);
    cockpit.lost();
}

Viewport View::fit(int width, int height) {
    Viewport v;
    if (width <= 0 || height <= 0) return v;
    // The widest 4:3 area that fits, centred; integer pixels, so the bars
    // may differ by one.
    v.width = width;
    v.height = static_cast<int>(static_cast<int64_t>(width) * 3 / 4);
    if (v.height > height) {
        v.height = height;
        v.width = static_cast<int>(static_cast<int64_t>(height) * 4 / 3);
    }
    v.x = (width - v.width) / 2;
    v.y = (height - v.height) / 2;
    return v;
}
