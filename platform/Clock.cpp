#include "Clock.h"

#include <chrono>

namespace {
const std::chrono::steady_clock::time_point processStart = std::chrono::steady_clock::now();
bool frozen = false;
uint32_t frozenValue = 0;
}

uint32_t Clock::milliseconds() {
    if (frozen) return frozenValue;
    const auto elapsed = std::chrono::steady_clock::now() - processStart;
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void Clock::setForTest(uint32_t ms) {
    frozen = true;
    frozenValue = ms;
}

void Clock::useRealTime() {
    frozen = false;
}
