#include "Noise.h"

#include "Rng.h"

#include <cmath>
#include <numeric>
#include <utility>

namespace {

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }
double lerp(double a, double b, double t) { return a + (b - a) * t; }
int wrap(int v, int n) { return ((v % n) + n) % n; }

}

Noise::Noise(uint64_t seed, int period_) : period(period_), values(256), perm(256) {
    Rng rng(seed);
    for (double& v : values) v = rng.uniform();
    std::iota(perm.begin(), perm.end(), 0);
    for (int i = 255; i > 0; --i) std::swap(perm[i], perm[rng.below(i + 1)]);
}

double Noise::lattice(int x, int y) const {
    return values[perm[(perm[wrap(x, period) & 255] + wrap(y, period)) & 255]];
}

double Noise::lattice3(int x, int y, int z) const {
    return values[perm[(perm[(perm[x & 255] + y) & 255] + z) & 255]] * 2.0 - 1.0;
}

double Noise::tiled(double x, double y) const {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    return lerp(lerp(lattice(ix, iy), lattice(ix + 1, iy), tx), lerp(lattice(ix, iy + 1), lattice(ix + 1, iy + 1), tx), ty);
}

double Noise::fractal(double x, double y, int octaves, double gain) const {
    double sum = 0.0, amplitude = 1.0, total = 0.0, scale = 1.0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * tiled(x * scale, y * scale);
        total += amplitude;
        amplitude *= gain;
        scale *= 2.0;
    }
    return sum / total;
}

double Noise::solid(double x, double y, double z) const {
    const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
    const double tx = smooth(x - fx), ty = smooth(y - fy), tz = smooth(z - fz);
    auto plane = [&](int k) {
        return lerp(lerp(lattice3(ix, iy, k), lattice3(ix + 1, iy, k), tx),
                    lerp(lattice3(ix, iy + 1, k), lattice3(ix + 1, iy + 1, k), tx), ty);
    };
    return lerp(plane(iz), plane(iz + 1), tz);
}

double Noise::solidFractal(double x, double y, double z, int octaves) const {
    double sum = 0.0, amplitude = 1.0, total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * solid(x, y, z);
        total += amplitude;
        amplitude *= 0.5;
        x *= 2.0;
        y *= 2.0;
        z *= 2.0;
    }
    return sum / total;
}
