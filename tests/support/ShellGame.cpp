#include "ShellGame.h"

#include "GlWindow.h"
#include "platform/Clock.h"
#include "shell/GameWindow.h"
#include "shell/view/Display.h"

#include <cstdlib>

GameWindow& shellWindow() {
    static GameWindow window;
    return window;
}

void openShellGame(int size) {
    GameWindow& window = shellWindow();
    Scene& scene = window.scene;
    openGlWindow(size, size);
    // The sound device opens for real, on SDL's silent driver.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    initGraphicsState(window.view);   // the GL state and the cockpit mask, as other tests may have left neither
    if (!scene.game) scene.build();
    window.frames.clock.pacer().setEnabled(false);
    reshape(size, size);
}

void startFreshGame(uint32_t start) {
    GameWindow& window = shellWindow();
    Clock::setTo(start);
    window.screens.reset();
    // No key a test held reaches the next one.
    window.controls.releaseAll();
    window.controls.takeRecord();
    window.scene.startNewGame();
    window.frames.clock.reset();
    window.view.cockpit.lost();
}

void playFrames(int frames, uint32_t& now, uint32_t step) {
    for (int i = 0; i < frames; ++i) {
        now += step;
        Clock::setTo(now);
        displayFrame();
    }
}
