#pragma once

#include "ShellState.h"

#include <cstdint>
#include <vector>

#include "ShellState.h"

// Opening the display and the graphics state that never changes afterwards.
bool initDisplay(int& argc, char** argv, bool windowed);
bool initGraphicsState();
bool registerCallbacks();

// The largest centred 4:3 area of a window of that size, where the game draws.
Viewport fitViewport(int width, int height);

// The toolkit's reshape callback: clears the window, draws into its largest
// centred 4:3 area from then on, refills the stencil buffer with the cockpit
// mask and sets the 80-degree perspective.
void reshape(int width, int height);

// Draws the cockpit mask into the stencil buffer, stretched over the
// viewport: 1 where the cockpit covers the picture, 0 where space shows.
// Without a mask the stencil stays 0 and the scene fills the picture.
void drawCockpitMask();

// Rectangles covering every set pixel of a width x height mask (one byte per
// pixel, rows bottom-up): per band of rows, one rectangle per run of columns
// set in any of its rows. Painting these instead of the whole picture leaves
// the window's pixels alone, which the stencil would reject anyway.
std::vector<PictureRect> coveringRects(const std::vector<uint8_t>& mask, int width, int height, int band);

// The smallest rectangle holding every clear pixel of the mask: the only part
// of the picture the scene can show in. Empty (all zeros) when none is clear
// or the mask is shorter than its size says.
PictureRect clearBounds(const std::vector<uint8_t>& mask, int width, int height);
