#pragma once

#include <cstdint>
#include <vector>

// Smooth value noise on a lattice that wraps, so pictures made from it tile
// seamlessly; and a 3D variant for shaping rocks.
class Noise {
public:
    Noise(uint64_t seed, int period);   // period: lattice cells before the 2D noise repeats

    // 0..1, repeating every `period` units in x and y.
    double tiled(double x, double y) const;
    // Sum of octaves (each twice the frequency, `gain` the amplitude), scaled to 0..1.
    double fractal(double x, double y, int octaves, double gain = 0.5) const;
    // -1..1, smooth 3D value noise (not tiled).
    double solid(double x, double y, double z) const;
    double solidFractal(double x, double y, double z, int octaves) const;

private:
    double lattice(int x, int y) const;
    double lattice3(int x, int y, int z) const;

    int period;
    std::vector<double> values;   // 256 random values
    std::vector<int> perm;        // 256 shuffled indexes
};
