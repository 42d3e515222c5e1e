#pragma once

#include "shell/frame/FrameClock.h"
#include "shell/hud/Hud.h"

class FrameStats;
class Game;

// Where one frame's time went, in milliseconds. A frame fills it when the
// loop's `split` points at one (the frame benchmark does this) and costs
// nothing more otherwise.
struct FrameSplit {
    double logic = 0.0;    // collisions, the enemy, removals, the radar's blips
    double submit = 0.0;   // the rest up to the swap: the draw calls
    double swap = 0.0;     // the swap, which waits for the renderer to finish
};

// The one owner of time and of what one frame of play does, in order: the
// input record, the game's step (collisions and forward motion, steering,
// the enemy, the destruction pass), the drawing (the camera, the sky, the
// rocks, the stars, the beams, the explosions), the head-up display, the
// end-of-game test, the swap.
class FrameLoop {
public:
    // The display callback's work: one frame of play, or the screen showing.
    void display();
    // The idle callback's work: the next frame, or a short wait while play stands still.
    void idle();
    // One frame of play: advances the game, draws it and shows it.
    void play();
    // The cockpit and the sky as the game stands, before the first frame of
    // play: nothing is played, nothing moves.
    void drawStill();
    // Swaps the buffers, then waits out what is left of the frame's period;
    // counted in the frame statistics when the picture is a frame of play.
    void show(bool ofPlay = true);

    FrameClock clock;              // frame times, the pacer and the game clock
    Hud hud;                       // drawn over every frame of play
    FrameSplit* split = nullptr;   // filled every frame when set (the frame benchmark)
    FrameStats* stats = nullptr;   // counts every frame shown when set (--frame-stats)
    // Frames drawn as they were first built, before the fill-rate work (a far
    // black quad instead of a depth clear, the sky after the rocks): the
    // drawing test compares the two pictures, the benchmark their costs.
    bool asFirstBuilt = false;

private:
    // The game as the step left it, from the cockpit or from behind.
    void draw(Game& game, uint32_t now);
    void placeCockpitCamera();
    void placeOutsideCamera();
    void drawSceneAsFirstBuilt();
    void drawScene();
};

extern FrameLoop frames;

// The toolkit's display and idle callbacks.
void displayFrame();
void idleFrame();
