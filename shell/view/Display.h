#pragma once

// Opening the display and the graphics state that never changes afterwards.
bool initDisplay(int& argc, char** argv, bool windowed);
class View;

// Starts reading the cockpit mask, and working out its stencil and its
// rectangles, on a thread of its own while the display opens. Needs the data folder.
void readMaskAhead();

// The fixed state, the light, and the cockpit mask read into the view (the
// one read ahead, if it was).
bool initGraphicsState(View& view);

// The window is now this size: clears it, draws into its largest centred
// 4:3 area from then on, sets the 80-degree perspective and refills the
// stencil buffer with the cockpit mask, or leaves it clear for fillStencil
// to fill when nothing drawn yet needs it.
void fitView(View& view, int width, int height, bool withStencil = true);
// The cockpit mask drawn into the stencil buffer over the viewport (1 where
// the cockpit covers the picture); the matrices are left as found.
void fillStencil(const View& view);
