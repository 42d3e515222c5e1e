#include "entities/Asteroid.h"
#include "entities/MyShip.h"
#include "platform/BackBuffer.h"
#include "platform/Clock.h"
#include "shell/Display.h"
#include "shell/FrameLoop.h"
#include "shell/Game.h"
#include "shell/Input.h"
#include "shell/Scene.h"
#include "shell/Screens.h"
#include "shell/ShellState.h"
#include "support/GlWindow.h"
#include "support/ShellGame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace {

constexpr int SIZE = 256;

// A fresh seeded game flown the same way each time: throttle up, a slow
// turn, a shot; the picture of the last frame.
std::vector<uint8_t> fly(int mode, bool outside, int frames) {
    Asteroid::fieldSeed = 3;
    uint32_t now = 1000;
    startFreshGame(now);
    renderMode = mode;
    game->myShip->setOutsideView(outside ? 1 : 0);
    for (int i = 0; i < 10; ++i) game->myShip->changeSpeed(1.0f, true);
    game->myShip->addTurn(0.012f, 0.004f);
    playFrames(frames - 3, now);
    fireShot();
    playFrames(3, now);
    return readPixels(0, 0, SIZE, SIZE);
}

}

// The faster frames (depth clear for the black quad, the sky first, stars from
// an array, the scene scissored to the window, the cockpit put back from its
// copy) must show what the first ones did.
TEST(FramePicture, OptimisedFramesMatchTheFramesAsFirstBuilt) {
    openShellGame(SIZE);
    struct View {
        int mode;
        bool outside;
    } views[] = {{0, false}, {1, false}, {2, false}, {0, true}};
    for (const View& v : views) {
        unoptimisedFrames = true;
        BackBuffer::override(BackBuffer::Answer::Kept);
        const std::vector<uint8_t> before = fly(v.mode, v.outside, 60);
        unoptimisedFrames = false;
        BackBuffer::override(BackBuffer::Answer::Lost);
        const std::vector<uint8_t> after = fly(v.mode, v.outside, 60);
        BackBuffer::override(BackBuffer::Answer::Ask);
        const int changed = differingPixels(before, after, 16);
        RecordProperty("differing_pixels_mode_" + std::to_string(v.mode) + (v.outside ? "_outside" : ""), changed);
        EXPECT_LE(changed, SIZE * SIZE / 200) << "mode " << v.mode << (v.outside ? ", outside" : "");
        // Not a blank picture compared with another.
        int lit = 0;
        for (size_t i = 0; i < after.size(); i += 3) lit += after[i] + after[i + 1] + after[i + 2] > 60;
        EXPECT_GT(lit, SIZE * SIZE / 20);
    }
}

// Page flipping hands back a buffer that may hold anything: there the cockpit,
// painted only over the first frames, must be painted again every frame.
TEST(FramePicture, TheCockpitIsRepaintedWhereTheBackBufferIsNotKept) {
    openShellGame(SIZE);
    // Rows 34 to 70 are the dashboard, the picture's lowest fifth.
    auto magentaIn = [](const std::vector<uint8_t>& rgb, int fromRow, int toRow) {
        int n = 0;
        for (int y = fromRow; y < toRow; ++y) {
            for (int x = 0; x < SIZE; ++x) {
                const uint8_t* p = &rgb[(size_t(y) * SIZE + x) * 3];
                n += p[0] > 200 && p[1] < 50 && p[2] > 200;
            }
        }
        return n;
    };
    for (BackBuffer::Answer answer : {BackBuffer::Answer::Kept, BackBuffer::Answer::Lost}) {
        BackBuffer::override(answer);
        fly(0, false, 40);
        glClearColor(1, 0, 1, 1);   // what a flipped-in buffer might hold
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(0, 0, 0, 0.5f);
        displayFrame();
        const std::vector<uint8_t> rgb = readPixels(0, 0, SIZE, SIZE);
        if (answer == BackBuffer::Answer::Kept) {
            EXPECT_GT(magentaIn(rgb, 34, 70), SIZE * 30) << "a kept buffer is not painted over";
        } else {
            // Not a pixel left anywhere: the copy put back at a quarter of
            // its size must meet the stencil's edges exactly.
            EXPECT_EQ(magentaIn(rgb, 0, SIZE), 0);
            EXPECT_LT(rgb[(size_t(10) * SIZE + 10) * 3], 20) << "the bar below the picture is cleared";
        }
    }
    BackBuffer::override(BackBuffer::Answer::Ask);
}
