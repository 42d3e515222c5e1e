#pragma once

#include <cstdint>

// Monotonic milliseconds counted from the start of the process. Stands in for
// both timeGetTime and GetTickCount. Starting at zero rather than at boot keeps
// the float seconds and float milliseconds the game derives from it precise
// however long the machine has been up.
class Clock {
public:
    static uint32_t milliseconds();

    // Tests fix the clock to a value they choose; useRealTime undoes that.
    static void setForTest(uint32_t ms);
    static void useRealTime();
};
