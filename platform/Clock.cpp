#include "Clock.h"

#include <chrono>

namespace {
const std::chrono::steady_clock::time_point processStart = std::chrono::steady_clock::now();
bool frozen = false;
uint32_t frozenValue = 0;
std::chrono::steady_clock::duration pausedFor{0};   // the sum of all pauses before the current one
bool suspended = false;
std::chrono::steady_clock::time_point suspendedAt;

uint32_t running(std::chrono::steady_clock::time_point at) {
    const auto elapsed = at - processStart - pausedFor;
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

}

uint32_t Clock::milliseconds() {
    if (frozen) return frozenValue;
    return running(suspended ? suspendedAt : std::chrono::steady_clock::now());
}

double Clock::monotonicMilliseconds() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - processStart).count();
}

void Clock::suspend() {
    if (suspended) return;
    suspended = true;
    suspendedAt = std::chrono::steady_clock::now();
}

void Clock::resume() {
    if (!suspended) return;
    suspended = false;
    pausedFor += std::chrono::steady_clock::now() - suspendedAt;
}

bool Clock::isSuspended() {
    return suspended;
}

void Clock::setTo(uint32_t ms) {
    frozen = true;
    frozenValue = ms;
}

void Clock::useRealTime() {
    frozen = false;
}
