#pragma once

// The full-screen display. Tries the toolkit's game mode with the given mode
// string, then once more without the refresh rate; where neither works (no mode
// switching, Wayland, Xvfb) it opens a window of the mode's size instead and
// makes it full screen when the screen already has that size. Game mode is left
// again on every normal way out of the process.
class GameDisplay {
public:
    // Returns true when a drawable window exists afterwards.
    static bool open(const char* gameModeString, int width, int height, const char* title);
    static bool inGameMode();
    static void leaveGameMode();   // safe to call at any time, any number of times
};
