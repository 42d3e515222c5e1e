#include "FrameClock.h"

#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace {

float gameSeconds() {
    return static_cast<float>(Clock::milliseconds()) * 0.001f;
}

}

const std::string& FrameClock::updateFrameRate() {
    const std::string& text = rate.update(gameSeconds());
    time = rate.frameTime();
    return text;
}

bool FrameClock::stalled() const {
    return rate.sinceLastFrame(gameSeconds()) > STALL_SECONDS;
}

void FrameClock::stop() {
    Clock::suspend();
}

void FrameClock::restart() {
    Clock::resume();
    rate.skip(gameSeconds());
}

void FrameClock::reset() {
    rate = FrameRate();
    time = 0.0f;
    driven = -1.0f;
}

void FrameClock::pace() {
    // Real time, not the game clock: a pause must not make the pacer wait.
    const double wait = framePacer.afterFrame(Clock::monotonicMilliseconds());
    if (wait > 0.0) std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(wait));
}
