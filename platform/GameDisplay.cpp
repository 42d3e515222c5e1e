#include "GameDisplay.h"

#include <GL/freeglut.h>

#include <cstdlib>
#include <string>

namespace {

bool gameModeEntered = false;
bool exitHookInstalled = false;

bool tryGameMode(const std::string& mode) {
    glutGameModeString(mode.c_str());
    // Entering a mode the display cannot switch to makes the toolkit warn on
    // standard error; where falling back is the normal case (Xvfb, Wayland,
    // desktops without mode switching) the player should hear nothing.
    if (!glutGameModeGet(GLUT_GAME_MODE_POSSIBLE)) return false;
    glutEnterGameMode();
    return glutGameModeGet(GLUT_GAME_MODE_ACTIVE) != 0;
}

void leaveAtExit() {
    GameDisplay::leaveGameMode();
}

}

bool GameDisplay::open(const char* gameModeString, int width, int height, const char* title, bool windowed) {
    if (!exitHookInstalled) {
        // exit(0) on Escape, exit(99) and exit(1) all pass through here, so a
        // changed desktop resolution never outlives the game.
        std::atexit(leaveAtExit);
        exitHookInstalled = true;
    }
    glutInitWindowSize(width, height);
    glutInitWindowPosition(0, 0);
    if (windowed) return glutCreateWindow(title) > 0;
    std::string mode = gameModeString;
    bool active = tryGameMode(mode);
    const auto at = mode.find('@');
    if (!active && at != std::string::npos) active = tryGameMode(mode.substr(0, at));
    if (active) {
        gameModeEntered = true;
        return true;
    }
    if (glutCreateWindow(title) <= 0) return false;
    glutFullScreen();
    return true;
}

bool GameDisplay::inGameMode() {
    return gameModeEntered;
}

void GameDisplay::leaveGameMode() {
    if (!gameModeEntered) return;
    gameModeEntered = false;
    glutLeaveGameMode();
}
