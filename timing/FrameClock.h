#pragma once

#include "FramePacer.h"
#include "FrameRate.h"

#include <string>

// The one owner of time in the shell: the frame-time samples (frameTime, the
// mean of the last five frames, which scales all motion), the pacer and the
// game clock. Every change of screen tells it, so the first frame after a
// pause, a new game or a stall is measured from then, never across the wait.
class FrameClock {
public:
    // A frame that is this late is not play but a stall (a stopped process,
    // a machine that slept): its gap is skipped. Seconds.
    static constexpr float STALL_SECONDS = 1.0f;

    // Measures the frame that just ended on the game clock, sets frameTime
    // and returns the fps line.
    const std::string& updateFrameRate();
    float frameTime() const { return driven >= 0.0f ? driven : time; }   // seconds
    // A replay hands every frame the time it had when recorded.
    void drive(float seconds) { driven = seconds; }
    const std::string& fpsText() const { return rate.text(); }

    // True when the last frame ended longer ago than a stall.
    bool stalled() const;

    // Play stops (pause, game over): the game clock stands still.
    void stop();
    // Play goes on or begins again: the game clock runs, and the next frame
    // is measured from now.
    void restart();
    // Forgets every sample, as at the start of the program (tests, benchmark).
    void reset();

    // After a frame is shown: waits out what is left of its period, sleeping.
    void pace();
    FramePacer& pacer() { return framePacer; }

private:
    FrameRate rate;
    FramePacer framePacer{70.0};
    float time = 0.0f;   // seconds
    float driven = -1.0f;   // seconds; below 0 when the frames measure themselves
};
