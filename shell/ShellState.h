#pragma once

#include "BmpRecord.h"
#include "FrameClock.h"
#include "input/Settings.h"

#include <cstdint>
#include <vector>

// Where in the window the game draws, in window pixels from the lower left.
struct Viewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A rectangle of the cockpit picture, in mask pixels from the lower left.
struct PictureRect {
    int x0, y0, x1, y1;   // x1 and y1 exclusive
};

// Overlays (crosshair, game-over band) are laid out on a 1024 x 768 picture
// and scaled with it.
constexpr int PICTURE_WIDTH = 1024;
constexpr int PICTURE_HEIGHT = 768;

// The shell's process-wide state. The toolkit calls back into free functions,
// so this is where frames, input and the display meet.
extern int windowWidth;          // pixels, set by reshape
extern int windowHeight;         // pixels, set by reshape
extern Viewport viewport;        // the largest centred 4:3 area of the window, set by reshape
extern FrameClock frameClock;    // frameTime (the mean of the last five frames), the pacer, the game clock
extern Settings settings;        // what the player set: file, command line and keys while playing
extern float pointerDivisor;     // pointer pixels per unit of turn rate: 1000 / the pointer sensitivity
extern int cockpitFrames;        // frames the cockpit picture has been painted since it was last lost
extern int renderMode;           // 0 models, 1 display lists, 2 vertex arrays
extern bool showStats;           // fps and draw-mode lines
extern bool flatShading;
extern bool unoptimisedFrames;    // draw frames as first built; the picture test compares both ways
extern bool radarShown;           // the benchmark turns it off to measure what it costs
extern BmpRecord cockpitMask;
extern std::vector<uint8_t> cockpitStencil;   // the mask as one byte (0 or 1) per pixel, rows bottom-up
extern std::vector<PictureRect> cockpitPieces; // rectangles that hold every cockpit pixel of the mask
extern PictureRect cockpitWindow;              // the smallest rectangle of the mask holding all space pixels
