#pragma once

// Opening the display and the graphics state that never changes afterwards.
bool initDisplay(int& argc, char** argv);
bool initGraphicsState();
bool registerCallbacks();

// The toolkit's reshape callback: refills the stencil buffer with the cockpit
// mask and sets the 80-degree perspective.
void reshape(int width, int height);

// Draws the cockpit mask into the stencil buffer at the window's lower-left
// corner: 1 where the cockpit covers the screen, 0 where space shows. Without a
// mask the stencil stays 0 and the scene fills the screen.
void drawCockpitMask();
