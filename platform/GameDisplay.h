#pragma once

// The display. Full screen: tries the toolkit's game mode with the given mode
// string, then once more without the refresh rate; where neither works (no mode
// switching, Wayland, Xvfb) it opens a full-screen window at the desktop's
// size instead. Windowed: a window of the given size that the player may
// resize, never game mode. Game mode is left again on every normal way out of
// the process.
class GameDisplay {
public:
    // Returns true when a drawable window exists afterwards.
    static bool open(const char* gameModeString, int width, int height, const char* title, bool windowed);
    static bool inGameMode();
    static void leaveGameMode();   // safe to call at any time, any number of times
};
