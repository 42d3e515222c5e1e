#pragma once

class Controls;
class FrameLoop;
class Game;
class Scene;
class View;

// A software renderer such as llvmpipe builds machine code for each mix of
// drawing state the first time something is drawn with it: a frame of play
// drawn first took 100 to 180 ms, and the first explosion and laser beam
// stalled again. While a screen stands and the player reads, everything play
// draws is drawn once into the back buffer, never shown, so that the frames
// of play find that code built.
class PipelineWarmup {
public:
    // Draws the scene's game as the frame loop would, in the view, with the
    // head-up display the controls' settings choose.
    PipelineWarmup(const Scene& scene, View& view, FrameLoop& frames, const Controls& controls);

    // Right after a standing screen's picture was shown: draws unseen what
    // play draws, once per window size (a new size draws again). Nothing in
    // the game changes: no rock turns, no random number is drawn, the
    // drawing state and the matrices are left as found; the next picture
    // shown is drawn whole over what this leaves in the back buffer.
    void afterPicture();

private:
    void drawCockpitFrame(Game& game, int mode);
    void drawOutsideFrame(Game& game, int mode);
    void drawOverlays(Game& game);

    const Scene& scene;
    View& view;
    FrameLoop& frames;
    const Controls& controls;
    int warmedWidth = 0;    // pixels: the window last drawn for, 0 for none
    int warmedHeight = 0;
};
