#pragma once

#include "recording/GhostTrack.h"

#include "timing/FrameClock.h"
#include "shell/hud/Hud.h"

#include <cstdint>

class FrameStats;
class Game;
class Scene;
class View;

// Where one frame's time went, in milliseconds. A frame fills it when the
// loop's `split` points at one (the frame benchmark does this) and costs
// nothing more otherwise.
struct FrameSplit {
    double logic = 0.0;    // collisions, the enemy, removals, the radar's blips
    double submit = 0.0;   // the rest up to the swap: the draw calls
    double swap = 0.0;     // the swap, which waits for the renderer to finish
};

// The one owner of time and of how a frame of play is drawn and shown: the
// camera, the sky, the rocks, the stars, the beams and the explosions, then
// the head-up display, the swap and the wait to the next frame.
class FrameLoop {
public:
    // Draws the scene's game in the view.
    FrameLoop(const Scene& scene, View& view);

    // The game as the step left it, from the cockpit or from behind, at game clock `now` (ms).
    // With the best game's ghost where it flies now, or none.
    void draw(Game& game, uint32_t now, const GhostTrack::Sample* ghost = nullptr);
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
    // Milliseconds on a steady clock while `split` is set, else 0.
    double stamp() const;

private:
    void placeCockpitCamera();
    void placeOutsideCamera();
    void drawSceneAsFirstBuilt();
    void drawScene();

    const Scene& scene;
    View& view;
};
