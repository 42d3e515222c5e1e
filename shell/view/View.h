#pragma once

#include "shell/view/CockpitMask.h"
#include "shell/view/CockpitPicture.h"
#include "shell/view/Screenshot.h"

// Where in the window the game draws, in window pixels from the lower left.
struct Viewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Overlays (crosshair, head-up lines, game-over band) are laid out on a
// 1024 x 768 picture and scaled with it.
constexpr int PICTURE_WIDTH = 1024;
constexpr int PICTURE_HEIGHT = 768;

// How frames are drawn; keys change these while playing.
struct DrawOptions {
    int renderMode = 0;         // 0 models, 1 display lists, 2 vertex arrays
    bool showStats = true;      // the fps and draw-mode lines
    bool flatShading = false;
    bool radarShown = true;     // the benchmark turns it off to measure what it costs
};

// The one owner of the picture's frame: the window's size and the largest
// centred 4:3 area of it that the game draws in, the cockpit's mask and
// picture, and the draw options. The reshape callback tells it the size;
// everything that draws asks it.
class View {
public:
    int width() const { return windowWidth; }     // pixels; 0 before the first reshape
    int height() const { return windowHeight; }   // pixels
    const Viewport& viewport() const { return area; }
    // Bars beside or above the picture: the window is not 4:3.
    bool barred() const { return area.width != windowWidth || area.height != windowHeight; }
    // The window is now this size: the viewport follows and the cockpit
    // picture, cleared with everything else, is painted again.
    void resize(int width, int height);

    // The largest centred 4:3 area of a window of that size.
    static Viewport fit(int width, int height);

    CockpitMask mask;          // read once at start; empty without one
    CockpitPicture cockpit;
    DrawOptions options;
    Screenshot screenshot;     // taken as the next picture is shown, when asked for

private:
    int windowWidth = 0;
    int windowHeight = 0;
    Viewport area;
};
