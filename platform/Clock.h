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

    // A replay's window shows the time its recording had (the frame rate,
    // how long a flash lasts), so its pictures are the recorded game's;
    // tests set it to a value they choose. useRealTime undoes that.
    static void setTo(uint32_t ms);
    static void useRealTime();
};
