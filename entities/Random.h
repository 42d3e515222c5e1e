#pragma once

#include <cstdint>

// The one process-wide pseudo-random sequence. Its exact rule matters: the star
// field (seed 4) and the asteroid field are reproduced from it, so no platform
// generator may stand in.
class Random {
public:
    static void seed(uint32_t value);
    static int next();   // 0 to 32767: bits 16 to 30 of state * 214013 + 2531011
};

// An integer in [lo, hi], drawn from Random.
int randomInRange(int lo, int hi);
