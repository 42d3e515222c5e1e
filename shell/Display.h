#pragma once

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
