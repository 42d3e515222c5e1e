#include "ShellGame.h"

#include "GlWindow.h"
#include "platform/Clock.h"
#include "shell/view/Display.h"
#include "shell/frame/FrameLoop.h"
#include "shell/Scene.h"
#include "shell/screens/Screens.h"
#include "shell/view/View.h"

#include <cstdlib>

void openShellGame(int size) {
    openGlWindow(size, size);
    // The sound device opens for real, on SDL's silent driver.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    initGraphicsState();   // the GL state and the cockpit mask, as other tests may have left neither
    if (!scene.game) scene.build();
    frames.clock.pacer().setEnabled(false);
    reshape(size, size);
}

void startFreshGame(uint32_t start) {
    Clock::setTo(start);
    screens.reset();
    scene.startNewGame();
    frames.clock.reset();
    view.cockpit.lost();
}

void playFrames(int frames, uint32_t& now, uint32_t step) {
    for (int i = 0; i < frames; ++i) {
        now += step;
        Clock::setTo(now);
        displayFrame();
    }
}
