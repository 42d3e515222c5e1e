#include "Canvas.h"

#include <algorithm>
#include <cmath>

Canvas::Canvas(int width, int height, Colour fill) : w(width), h(height), pixels(size_t(width) * height, fill) {}

void Canvas::paint(const std::function<bool(int, int, Colour&)>& shader) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Colour c = at(x, y);
            if (shader(x, y, c)) at(x, y) = c;
        }
    }
}

void Canvas::blend(int x, int y, Colour c, double alpha) {
    if (x < 0 || y < 0 || x >= w || y >= h || alpha <= 0.0) return;
    at(x, y) = mix(at(x, y), c, std::min(alpha, 1.0));
}

void Canvas::add(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    at(x, y) = at(x, y) + c;
}

// Shapes are drawn with a one-pixel soft edge, so they do not look jagged.
void Canvas::fillCircle(double cx, double cy, double radius, Colour c) {
    for (int y = int(cy - radius - 1); y <= int(cy + radius + 1); ++y) {
        for (int x = int(cx - radius - 1); x <= int(cx + radius + 1); ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            blend(x, y, c, std::clamp(radius - d + 0.5, 0.0, 1.0));
        }
    }
}

void Canvas::ring(double cx, double cy, double radius, double thickness, Colour c) {
    const double outer = radius + thickness / 2;
    for (int y = int(cy - outer - 1); y <= int(cy + outer + 1); ++y) {
        for (int x = int(cx - outer - 1); x <= int(cx + outer + 1); ++x) {
            const double d = std::abs(std::hypot(x + 0.5 - cx, y + 0.5 - cy) - radius);
            blend(x, y, c, std::clamp(thickness / 2 - d + 0.5, 0.0, 1.0));
        }
    }
}

void Canvas::line(double x0, double y0, double x1, double y1, double thickness, Colour c) {
    const double dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    const double pad = thickness + 1;
    for (int y = int(std::min(y0, y1) - pad); y <= int(std::max(y0, y1) + pad); ++y) {
        for (int x = int(std::min(x0, x1) - pad); x <= int(std::max(x0, x1) + pad); ++x) {
            const double px = x + 0.5 - x0, py = y + 0.5 - y0;
            const double t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0.0;
            const double d = std::hypot(px - t * dx, py - t * dy);
            blend(x, y, c, std::clamp(thickness / 2 - d + 0.5, 0.0, 1.0));
        }
    }
}

std::vector<uint8_t> Canvas::rgbBottomUp() const {
    std::vector<uint8_t> out;
    out.reserve(size_t(w) * h * 3);
    auto byte = [](double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Colour& c = at(x, y);
            out.push_back(byte(c.r));
            out.push_back(byte(c.g));
            out.push_back(byte(c.b));
        }
    }
    return out;
}
