#pragma once

#include <string>

// The display callback: whatever the current screen shows (Screens.h).
void displayFrame();
// The idle callback: the next frame, except while paused.
void idleFrame();

// One frame of play: advances the game, draws it and shows it.
void playFrame();
// Swaps the buffers, then waits out what is left of the frame's period.
void showFrame();

// Where one frame's time went, in milliseconds. displayFrame fills it when
// frameSplit points at one (the frame benchmark does this) and costs nothing
// more otherwise.
struct FrameSplit {
    double logic = 0.0;    // collisions, the enemy, removals, the radar's blips
    double submit = 0.0;   // the rest up to the swap: the draw calls
    double swap = 0.0;     // the swap, which waits for the renderer to finish
};
extern FrameSplit* frameSplit;

class FrameStats;
// Every frame shown is counted there when it points at one (--frame-stats).
extern FrameStats* frameStats;
