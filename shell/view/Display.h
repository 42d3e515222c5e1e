#pragma once

// Opening the display and the graphics state that never changes afterwards.
bool initDisplay(int& argc, char** argv, bool windowed);
// The fixed state, the light, and the cockpit mask read into the view.
bool initGraphicsState();
// Every toolkit callback: each hands over to the owner of what it changes.
bool registerCallbacks();

// The toolkit's reshape callback: clears the window, draws into its largest
// centred 4:3 area from then on, refills the stencil buffer with the cockpit
// mask and sets the 80-degree perspective.
void reshape(int width, int height);
