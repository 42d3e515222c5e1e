#include "Icon.h"

#include "Canvas.h"
#include "Rng.h"

#include <algorithm>
#include <cmath>

namespace Icon {

std::vector<uint8_t> rgba() {
    constexpr double C = SIZE / 2.0, R = SIZE / 2.0 - 6.0;   // pixels
    Canvas c(SIZE, SIZE);
    // Deep blue space brightening towards a violet haze at the upper right.
    c.paint([&](int x, int y, Colour& out) {
        const double haze = std::exp(-(std::pow(x - 180.0, 2) + std::pow(y - 70.0, 2)) / 5000.0);
        out = mix(Colour{0.01, 0.02, 0.08}, Colour{0.25, 0.12, 0.40}, haze);
        return true;
    });
    Rng rng(42);
    for (int i = 0; i < 90; ++i) {
        const double b = rng.range(0.3, 1.0);
        c.fillCircle(rng.range(0, SIZE), rng.range(0, SIZE), rng.range(0.5, 1.4), Colour{b, b, b * 1.05});
    }
    // A lit rock at the lower left, pitted.
    c.paint([&](int x, int y, Colour& out) {
        const double dx = (x - 84.0) / 52.0, dy = (y - 170.0) / 46.0;
        const double d2 = dx * dx + dy * dy;
        if (d2 > 1.0) return false;
        const double light = std::clamp(0.35 + 0.65 * (-dx * 0.5 - dy * 0.6 + std::sqrt(1.0 - d2) * 0.6), 0.1, 1.0);
        out = Colour{0.55, 0.38, 0.24} * light;
        return true;
    });
    for (int i = 0; i < 7; ++i) {
        c.fillCircle(rng.range(60, 110), rng.range(150, 195), rng.range(3, 7), Colour{0.18, 0.12, 0.08});
    }
    // Two laser beams from the lower corners to the centre.
    c.line(20, 250, C, C, 4.0, Colour{1.0, 0.15, 0.1});
    c.line(236, 250, C, C, 4.0, Colour{1.0, 0.15, 0.1});
    c.line(20, 250, C, C, 1.5, Colour{1.0, 0.8, 0.7});
    c.line(236, 250, C, C, 1.5, Colour{1.0, 0.8, 0.7});
    // The reticle.
    const Colour green{0.35, 1.0, 0.45};
    c.ring(C, C, 40, 5, green);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        c.line(C + std::cos(a) * 22, C + std::sin(a) * 22, C + std::cos(a) * 64, C + std::sin(a) * 64, 4.0, green);
    }
    // A steel rim, then clear outside the disc with a soft edge.
    c.ring(C, C, R - 4, 8, Colour{0.55, 0.58, 0.62});
    std::vector<uint8_t> out(size_t(SIZE) * SIZE * 4);
    for (int y = 0; y < SIZE; ++y) {
        for (int x = 0; x < SIZE; ++x) {
            const Colour& p = c.at(x, y);
            const double alpha = std::clamp(R + 0.5 - std::hypot(x + 0.5 - C, y + 0.5 - C), 0.0, 1.0);
            uint8_t* q = &out[(size_t(y) * SIZE + x) * 4];
            q[0] = uint8_t(std::lround(std::clamp(p.r, 0.0, 1.0) * 255));
            q[1] = uint8_t(std::lround(std::clamp(p.g, 0.0, 1.0) * 255));
            q[2] = uint8_t(std::lround(std::clamp(p.b, 0.0, 1.0) * 255));
            q[3] = uint8_t(std::lround(alpha * 255));
        }
    }
    return out;
}

std::vector<uint8_t> rgba(int size) {
    const std::vector<uint8_t> large = rgba();
    if (size >= SIZE || size <= 0) return large;
    const double scale = double(SIZE) / size;   // large pixels per small one
    std::vector<uint8_t> out(size_t(size) * size * 4);
    // How much of large pixel i (along one axis) small pixel o covers.
    auto cover = [&](int o, int i) {
        return std::max(0.0, std::min(o * scale + scale, i + 1.0) - std::max(o * scale, double(i)));
    };
    for (int oy = 0; oy < size; ++oy) {
        for (int ox = 0; ox < size; ++ox) {
            double sum[4] = {0, 0, 0, 0}, area = 0;
            for (int y = int(oy * scale); y < std::min(SIZE, int(std::ceil((oy + 1) * scale))); ++y) {
                for (int x = int(ox * scale); x < std::min(SIZE, int(std::ceil((ox + 1) * scale))); ++x) {
                    const double w = cover(ox, x) * cover(oy, y);
                    const uint8_t* p = &large[(size_t(y) * SIZE + x) * 4];
                    const double a = p[3] / 255.0;
                    for (int k = 0; k < 3; ++k) sum[k] += w * a * p[k];
                    sum[3] += w * a;
                    area += w;
                }
            }
            uint8_t* q = &out[(size_t(oy) * size + ox) * 4];
            for (int k = 0; k < 3; ++k) q[k] = uint8_t(std::lround(sum[3] > 0 ? sum[k] / sum[3] : 0.0));
            q[3] = uint8_t(std::lround(std::clamp(sum[3] / area, 0.0, 1.0) * 255));
        }
    }
    return out;
}

}
