#pragma once

#include <string>

// The display and idle callback: advances and draws one frame.
void displayFrame();

// The player's power is gone: from now on only the game-over screen is drawn,
// and the points are offered to the kept best score.
void endGame();

// Measures the frame that just ended on the clock, sets frameTime and returns
// the fps line.
const std::string& updateFrameRate();

// Where one frame's time went, in milliseconds. displayFrame fills it when
// frameSplit points at one (the frame benchmark does this) and costs nothing
// more otherwise.
struct FrameSplit {
    double logic = 0.0;    // collisions, the enemy, removals, the radar's blips
    double submit = 0.0;   // the rest up to the swap: the draw calls
    double swap = 0.0;     // the swap, which waits for the renderer to finish
};
extern FrameSplit* frameSplit;
