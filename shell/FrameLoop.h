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
