// Guards the faster frames: the same picture as the frames first built (the beam too), the cockpit and game over on any
// driver, its copy put back without a pixel changed, and each help overlay drawn in its place alone.
#include "entities/Asteroid.h"
#include "entities/EnemyShip.h"
#include "entities/MyShip.h"
#include "platform/BackBuffer.h"
#include "shell/frame/FrameLoop.h"
#include "platform/Clock.h"
#include "shell/view/CockpitCopy.h"
#include "shell/view/Display.h"
#include "game/Game.h"
#include "shell/input/Controls.h"
#include "shell/Scene.h"
#include "shell/screens/Screens.h"
#include "shell/view/View.h"
#include "support/GlWindow.h"
#include "support/ShellGame.h"
#include "shell/GameWindow.h"
#include "support/ShellGame.h"

namespace {

GameWindow& window = shellWindow();
Controls& controls = window.controls;
FrameLoop& frames = window.frames;
Scene& scene = window.scene;
Screens& screens = window.screens;
View& view = window.view;

}


namespace {

using FramePicture = ShellGameTest;

// A fresh seeded game flown the same way each time: throttle up, a slow
// turn, a shot; the picture of the last frame.
std::vector<uint8_t> fly(int mode, bool outside, int frames) {
    Asteroid::fieldSeed = 3;
    uint32_t now = 1000;
    startFreshGame(now);
    view.options.renderMode = mode;
    scene.game->myShip->setOutsideView(outside ? 1 : 0);
    for (int i = 0; i < 10; ++i) scene.game->myShip->changeSpeed(1.0f, true);
    scene.game->myShip->addTurn(0.012f, 0.004f);
    playFrames(frames - 3, now);
    scene.game->fireShot();
    playFrames(3, now);
    return readPixels(0, 0, ShellGameTest::SIZE, ShellGameTest::SIZE);
}

}

// The faster frames (depth clear for the black quad, the sky first, stars from
// an array, the scene scissored to the window, the cockpit put back from its
// copy) must show what the first ones did, the laser's red beam among it.
TEST_F(FramePicture, OptimisedFramesShowWhatTheFramesFirstBuiltShowedBeamsIncluded) {
    struct View {
        int mode;
        bool outside;
    } views[] = {{0, false}, {1, false}, {2, false}, {0, true}};
    for (const View& v : views) {
        frames.asFirstBuilt = true;
        BackBuffer::override(BackBuffer::Answer::Kept);
        const std::vector<uint8_t> before = fly(v.mode, v.outside, 60);
        frames.asFirstBuilt = false;
        BackBuffer::override(BackBuffer::Answer::Lost);
        const std::vector<uint8_t> after = fly(v.mode, v.outside, 60);
        BackBuffer::override(BackBuffer::Answer::Ask);
        const int changed = differingPixels(before, after, 16);
        RecordProperty("differing_pixels_mode_" + std::to_string(v.mode) + (v.outside ? "_outside" : ""), changed);
        EXPECT_LE(changed, SIZE * SIZE / 200) << "mode " << v.mode << (v.outside ? ", outside" : "");
        EXPECT_GT(countPixels(after, SIZE, isLit), SIZE * SIZE / 20) << "not a blank picture compared with another";
        const auto red = [](Pixel p) { return p.r > 100 && p.g < 40 && p.b < 40; };
        if (!v.outside) {
            EXPECT_GT(countPixels(after, SIZE, red), 100) << "mode " << v.mode << ": the shot's beam shows red";
        }
    }
}

// Page flipping hands back a buffer that may hold anything: there the cockpit,
// painted only over the first frames, must be painted again every frame, and
// the game-over band once stood on that garbage instead of the last view.
TEST_F(FramePicture, TheCockpitAndTheLastViewAreRepaintedWhereTheBackBufferIsNotKept) {
    struct Case {
        BackBuffer::Answer answer;
        bool gameOver;
    } cases[] = {{BackBuffer::Answer::Kept, false}, {BackBuffer::Answer::Lost, false}, {BackBuffer::Answer::Lost, true}};
    controls.settings().dials = false;   // the live dials repaint their own squares of the dashboard every frame
    for (const Case& c : cases) {
        BackBuffer::override(c.answer);
        fly(0, false, 40);
        if (c.gameOver) scene.game->myShip->setEnergy(0);
        for (int i = 0; i < 3; ++i) {
            glClearColor(1, 0, 1, 1);   // what a flipped-in buffer might hold
            glClear(GL_COLOR_BUFFER_BIT);
            glClearColor(0, 0, 0, 0.5f);
            displayFrame();
            const std::vector<uint8_t> rgb = readPixels(0, 0, SIZE, SIZE);
            const std::string what = std::string(c.gameOver ? "game over" : "playing") + ", frame " + std::to_string(i);
            if (c.answer == BackBuffer::Answer::Kept) {
                // Rows 34 to 70 are the dashboard, the picture's lowest fifth.
                EXPECT_GT(countPixels(rgb, SIZE, isMagenta, 0, 34, SIZE, 70), SIZE * 30) << "a kept buffer is not painted over";
                continue;
            }
            // Not a pixel left anywhere: the copy put back at a quarter of
            // its size must meet the stencil's edges exactly.
            EXPECT_EQ(countPixels(rgb, SIZE, isMagenta), 0) << what;
            EXPECT_GT(countPixels(rgb, SIZE, isLit), SIZE * SIZE / 8) << what << ": the last view, not a black screen";
            EXPECT_LT(pixelAt(rgb, SIZE, 10, 10).r, 20) << what << ": the bar below the picture is cleared";
        }
        EXPECT_EQ(screens.current(), c.gameOver ? Screen::GameOver : Screen::Playing);
    }
    BackBuffer::override(BackBuffer::Answer::Ask);
    controls.settings().dials = true;
}

// Each overlay, on alone against all off, changes the picture where it stands
// and nowhere else: it draws, and leaves nothing behind in the state the
// scene and the other lines are drawn with. All off is then the frame as the
// game drew it before they came.
TEST_F(FramePicture, EachOverlayDrawsInItsPlaceAndNowhereElse) {
    struct Row {
        const char* what;
        bool Settings::*key;
        Vector3 ship, enemy;           // the enemy placed before the last frame
        bool enemyHits, playerHits;    // a hit counted before the last frame
        int x0, y0, x1, y1;            // the overlay's place, picture pixels (1024 x 768, y down)
    } rows[] = {
        {"target box", &Settings::targetBox, {0, 0, 0}, {40, 30, -300}, false, false, 520, 280, 700, 380},
        {"enemy arrow", &Settings::enemyArrow, {0, 0, 0}, {-300, 0, 10}, false, false, 20, 330, 160, 440},
        {"hit flash", &Settings::hitFlash, {0, 0, 0}, {300, 0, -20}, true, false, 900, 30, 1024, 620},
        {"hit marker", &Settings::hitFlash, {0, 0, 0}, {0, 1000, 900}, false, true, 480, 350, 545, 420},
        {"dials", &Settings::dials, {0, 0, 0}, {0, 1000, 900}, false, false, 236, 616, 790, 746},
        {"field arrow", &Settings::fieldArrow, {3000, 0, 0}, {0, 1000, 900}, false, false, 20, 240, 700, 440},
    };
    bool Settings::*const keys[] = {&Settings::targetBox, &Settings::enemyArrow, &Settings::hitFlash,
                                    &Settings::dials, &Settings::fieldArrow};
    const Settings kept = controls.settings();
    auto picture = [&](const Row& r, bool on) {
        for (bool Settings::*k : keys) controls.settings().*k = false;
        controls.settings().*r.key = on;
        Asteroid::fieldSeed = 3;
        uint32_t now = 1000;
        startFreshGame(now);
        scene.game->myShip->setPosition(r.ship);
        scene.game->enemies.front()->setPosition(r.ship + Vector3(0, 2500, 2500));   // no real hit meanwhile
        playFrames(31, now);
        scene.game->enemies.front()->setPosition(r.ship + r.enemy);
        scene.game->enemies.front()->hitsOnPlayer += r.enemyHits ? 1 : 0;
        scene.game->shotsThatStruck += r.playerHits ? 1 : 0;
        playFrames(1, now);
        return readPixels(0, 0, SIZE, SIZE);
    };
    for (const Row& r : rows) {
        const std::vector<uint8_t> off = picture(r, false), on = picture(r, true);
        // The 4:3 picture fills the window's width: a quarter of its pixels, 32 rows up.
        const int px0 = r.x0 / 4, px1 = r.x1 / 4, py0 = 32 + (768 - r.y1) / 4, py1 = 32 + (768 - r.y0) / 4;
        int inside = 0, outside = 0, bx0 = SIZE, by0 = SIZE, bx1 = 0, by1 = 0;
        for (int y = 0; y < SIZE; ++y) {
            for (int x = 0; x < SIZE; ++x) {
                const size_t i = (size_t(y) * SIZE + x) * 3;
                const bool differs = std::abs(off[i] - on[i]) + std::abs(off[i + 1] - on[i + 1]) + std::abs(off[i + 2] - on[i + 2]) > 24;
                const bool in = x >= px0 && x < px1 && y >= py0 && y < py1;
                (in ? inside : outside) += differs;
                if (differs && !in) bx0 = std::min(bx0, x), by0 = std::min(by0, y), bx1 = std::max(bx1, x), by1 = std::max(by1, y);
            }
        }
        EXPECT_GE(inside, 8) << r.what << ": not drawn where it stands";
        EXPECT_EQ(outside, 0) << r.what << ": changed the picture elsewhere, window pixels " << bx0 << "," << by0
                              << " to " << bx1 << "," << by1;
    }
    controls.settings() = kept;
}

// The cockpit's copy must give back every pixel exactly as painted, in any
// viewport: a rounding or a channel swapped on the way would show as a
// cockpit a shade off from the one painted in the first frames.
TEST_F(FramePicture, TheCockpitCopyPutsBackEveryPixelExactly) {
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
