#include "Random.h"

namespace {
uint32_t state = 1;
}

void Random::seed(uint32_t value) {
    state = value;
}

int Random::next() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 32767u);
}

int randomInRange(int lo, int hi) {
    const int span = hi - lo + 1;
    if (span <= 0) return lo;   // an empty range would divide by zero
    return Random::next() % span + lo;
}
