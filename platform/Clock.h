#pragma once

#include <cstdint>

// Monotonic milliseconds counted from the start of the process. Stands in for
// both timeGetTime and GetTickCount. Starting at zero rather than at boot keeps
// the float seconds and float milliseconds the game derives from it precise
// however long the machine has been up.
class Clock {
public:
    static uint32_t milliseconds();

    // Real time for pacing frames: 64-bit monotonic milliseconds since the
    // process started, never suspended, never frozen by tests, never wrapping.
    static double monotonicMilliseconds();

    // A pause: the clock stands still from suspend until resume, and then goes
    // on from where it stood, so nothing timed by it jumps.
    static void suspend();
    static void resume();
    static bool isSuspended();

    // One reading for a whole frame: until the next latch every call returns
    // what the clock said now, so a frame's play depends on the time it is
    // handed and nothing else. Does nothing while the clock is set.
    static void latch();

    // Tests and replays set the clock to a value they choose; useRealTime undoes that.
    static void setForTest(uint32_t ms);
    static void useRealTime();
};
