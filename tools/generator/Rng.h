#pragma once

#include <cstdint>

// A small deterministic generator (SplitMix64): the same seed gives the same
// assets on every machine, which std:: distributions do not promise.
class Rng {
public:
    explicit Rng(uint64_t seed) : state(seed) {}

    uint64_t next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }   // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(next() % uint64_t(n)); }

private:
    uint64_t state;
};
