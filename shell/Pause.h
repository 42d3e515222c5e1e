#pragma once

#include <cstdint>
#include <vector>

// "p" stops the game where it stands: the game clock stands still, nothing is
// advanced or drawn anew, "PAUSED" shows over the last frame and the pointer
// is the desktop's again. "p" once more goes on from there, with the same
// turn rates and no jump in time.
class Pause {
public:
    // Asks for a pause (which begins once the current frame is drawn), or ends one.
    static void toggle();
    static bool active();
    // Called by the frame loop when a frame is drawn, before it is shown.
    static void beginIfAsked();

    // The display callback while paused: the kept frame and the word.
    static void drawPausedFrame();
    // The idle callback while paused: waits a little instead of drawing.
    static void idle();

private:
    static std::vector<uint8_t> frame;   // the window's pixels when the pause began, RGB rows bottom-up
    static int frameWidth, frameHeight;  // pixels
};
