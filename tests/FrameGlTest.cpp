// Guards the faster frames: the same picture as the frames first built, the cockpit on any driver, and its copy
// put back without a pixel changed.
#include "entities/Asteroid.h"
#include "entities/MyShip.h"
#include "platform/BackBuffer.h"
#include "platform/Clock.h"
#include "shell/CockpitCopy.h"
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
TEST(FramePicture, OptimisedFramesShowWhatTheFramesFirstBuiltShowed) {
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
        EXPECT_GT(countPixels(after, SIZE, isLit), SIZE * SIZE / 20) << "not a blank picture compared with another";
    }
}

// Page flipping hands back a buffer that may hold anything: there the cockpit,
// painted only over the first frames, must be painted again every frame.
TEST(FramePicture, TheCockpitIsRepaintedWhereTheBackBufferIsNotKept) {
    openShellGame(SIZE);
    for (BackBuffer::Answer answer : {BackBuffer::Answer::Kept, BackBuffer::Answer::Lost}) {
        BackBuffer::override(answer);
        fly(0, false, 40);
        glClearColor(1, 0, 1, 1);   // what a flipped-in buffer might hold
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(0, 0, 0, 0.5f);
        displayFrame();
        const std::vector<uint8_t> rgb = readPixels(0, 0, SIZE, SIZE);
        if (answer == BackBuffer::Answer::Kept) {
            // Rows 34 to 70 are the dashboard, the picture's lowest fifth.
            EXPECT_GT(countPixels(rgb, SIZE, isMagenta, 0, 34, SIZE, 70), SIZE * 30) << "a kept buffer is not painted over";
        } else {
            // Not a pixel left anywhere: the copy put back at a quarter of
            // its size must meet the stencil's edges exactly.
            EXPECT_EQ(countPixels(rgb, SIZE, isMagenta), 0);
            EXPECT_LT(rgb[(size_t(10) * SIZE + 10) * 3], 20) << "the bar below the picture is cleared";
        }
    }
    BackBuffer::override(BackBuffer::Answer::Ask);
}

// The cockpit's copy must give back every pixel exactly as painted, in any
// viewport: a rounding or a channel swapped on the way would show as a
// cockpit a shade off from the one painted in the first frames.
TEST(FramePicture, TheCockpitCopyPutsBackEveryPixelExactly) {
    openGlWindow(SIZE, SIZE);
    for (const Viewport area : {Viewport{0, 0, SIZE, SIZE}, Viewport{3, 17, 200, 151}}) {
        beginFlatPicture(SIZE);
        std::vector<uint8_t> painted(size_t(area.width) * area.height * 3);
        for (size_t i = 0; i < painted.size(); ++i) painted[i] = uint8_t(i * 7 + i / 3);
        glViewport(area.x, area.y, area.width, area.height);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glRasterPos2f(-1, -1);
        glDrawPixels(area.width, area.height, GL_RGB, GL_UNSIGNED_BYTE, painted.data());
        CockpitCopy copy;
        ASSERT_TRUE(copy.save(area));
        glClear(GL_COLOR_BUFFER_BIT);
        ASSERT_TRUE(copy.restore({{0, 0, area.width, area.height}}, area.width, area.height));
        EXPECT_EQ(differingPixels(readPixels(area.x, area.y, area.width, area.height), painted, 0), 0)
            << area.width << "x" << area.height;
    }
}
