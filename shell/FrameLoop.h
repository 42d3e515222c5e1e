#pragma once

#include <string>

// The display and idle callback: advances and draws one frame.
void displayFrame();

// Measures the frame that just ended on the clock, sets frameTime and returns
// the fps line.
const std::string& updateFrameRate();
