// Guards where the screens meet: play again, pause and game over, frame times, the help, the options, memory of many games.
#include "entities/EnemyShip.h"
#include "entities/MyShip.h"
#include "shell/view/Display.h"
#include "shell/screens/HelpScreen.h"
#include "shell/screens/PauseScreen.h"
#include "shell/screens/ScreenFrame.h"
#include "shell/frame/FrameLoop.h"
#include "game/Game.h"
#include "shell/input/Controls.h"
#include "shell/Scene.h"
#include "shell/screens/Screens.h"
#include "platform/Clock.h"
#include "support/GlWindow.h"
#include "support/ShellGame.h"
#include "support/TestFiles.h"
#include "world/World.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <fstream>
#include <unistd.h>
#include <vector>
#include "shell/GameWindow.h"
#include "support/ShellGame.h"

namespace {

GameWindow& window = shellWindow();
Controls& controls = window.controls;
FrameLoop& frames = window.frames;
Scene& scene = window.scene;
Screens& screens = window.screens;

}


namespace {

using NewGame = ShellGameTest;
using ScreensInPlay = ShellGameTest;

long residentKilobytes() {
    long pages = 0, resident = -1;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// A game played to its end: rocks shot away, points won, the enemy elsewhere.
void playToTheEnd() {
    World& world = *scene.game->world;
    for (unsigned i = 1; i < 6; ++i) world.objectAt(i)->setEnergy(0);
    world.removeDestroyed();
    scene.game->myShip->addPoints(240.0f);
    scene.game->enemies.front()->setPosition(Vector3(1500, 1500, -1500));
    scene.game->myShip->setEnergy(0);
    scene.game->lastShotTime = 1234.0f;
    window.screenEvent(ScreenEvent::PowerGone);
}

}

TEST_F(NewGame, EnterOnTheGameOverScreenStartsAFreshGameAndFreesTheOld) {
    ASSERT_EQ(scene.game->world->count(), 28u);

    playToTheEnd();
    ASSERT_EQ(screens.current(), Screen::GameOver);
    keyDown('p', 0, 0);   // no pause on the game-over screen
    EXPECT_EQ(screens.current(), Screen::GameOver);
    keyDown(13, 0, 0);
    EXPECT_EQ(screens.current(), Screen::Playing);
    EXPECT_EQ(scene.game->world->count(), 28u);
    EXPECT_EQ(scene.game->myShip->getEnergy(), 500.0f);
    EXPECT_EQ(scene.game->myShip->getPoints(), 0.0f);
    EXPECT_EQ(scene.game->lastShotTime, 0.0f);
    EXPECT_FALSE(scene.game->enemies.front()->getPosition() != Vector3(0, -300, -250));
    EXPECT_EQ(scene.game->world->player, scene.game->myShip);

    // Enter during play changes nothing.
    const Game* playing = scene.game;
    keyDown(13, 0, 0);
    EXPECT_EQ(scene.game, playing);

#if !defined(__SANITIZE_ADDRESS__)
    // The allocator settles over the first ten games or so; after that each
    // game's memory (objects, arrays, textures, lists, sound and music) must
    // come back in full. Single readings jump by a megabyte now and then while
    // the sound thread is busy, so the median of the last five games counts.
    auto restarts = [](int n) {
        std::vector<long> resident;
        for (int i = 0; i < n; ++i) {
            playToTheEnd();
            keyDown(13, 0, 0);
            glFinish();   // as a shown frame would: the renderer's queued work is done and freed
            resident.push_back(residentKilobytes());
        }
        std::vector<long> last(resident.end() - 5, resident.end());
        std::sort(last.begin(), last.end());
        return last[2];
    };
    const long before = restarts(10);
    const long after = restarts(20);
    RecordProperty("rss_growth_kb", static_cast<int>(after - before));
    EXPECT_LE(after - before, 1024) << "resident kB before " << before << ", after " << after;
#endif
}

// Ten seconds on the game-over screen once made the new game's first five
// frames two seconds each: the enemy leapt, everything turning lurched.
TEST_F(ScreensInPlay, TheFirstFramesOfANewGameGetNormalFrameTimes) {
    play(10);
    scene.game->myShip->setEnergy(0);
    play(1);
    ASSERT_EQ(screens.current(), Screen::GameOver);
    now += 10000;   // the player reads the points
    play(5);
    keyDown(13, 0, 0);
    for (int i = 0; i < 5; ++i) {
        play(1);
        EXPECT_LT(frames.clock.frameTime(), 0.02f) << "frame " << i + 1 << " of the new game";
    }
    // The same after a pause, and after the process stood still for a minute.
    keyDown('p', 0, 0);
    play(1);
    ASSERT_EQ(screens.current(), Screen::Paused);
    now += 30000;
    keyDown('p', 0, 0);
    play(1);
    EXPECT_LT(frames.clock.frameTime(), 0.02f) << "after a pause";
    now += 60000;
    play(1);
    EXPECT_LT(frames.clock.frameTime(), 0.02f) << "after a stall";
}

// "p" in the frame where power ran out once left the game on "PAUSED" for good.
TEST_F(ScreensInPlay, APauseAskedForInTheLastFrameEndsWithTheGame) {
    play(3);
    keyDown('p', 0, 0);
    scene.game->myShip->setEnergy(-50);
    play(1);
    EXPECT_EQ(screens.current(), Screen::GameOver);
    keyDown(13, 0, 0);
    EXPECT_EQ(screens.current(), Screen::Playing);
}

// A click on the game-over screen once fired, and sounded, at nothing; the
// help opened over a pause once closed into play, the enemy firing.
TEST_F(ScreensInPlay, NothingFiresOnTheGameOverOrPausedScreenAndTheHelpGoesBackToThePause) {
    play(2);
    keyDown('p', 0, 0);
    play(1);
    ASSERT_EQ(screens.current(), Screen::Paused);
    keyDown('h', 0, 0);
    keyDown('h', 0, 0);
    EXPECT_EQ(screens.current(), Screen::Paused) << "the help goes back to the pause it was opened over";
    mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    keyDown('p', 0, 0);
    play(1);
    EXPECT_EQ(scene.game->lastShotTime, 0.0f) << "a click while paused is not kept for later";
    playToTheEnd();
    scene.game->lastShotTime = 0.0f;
    mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    EXPECT_EQ(scene.game->lastShotTime, 0.0f);
    keyDown(13, 0, 0);
    mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    play(1);
    EXPECT_NE(scene.game->lastShotTime, 0.0f) << "in play it fires, in the next frame";
}

// Resized while paused, the kept frame once stayed at its old size beside a
// dead area, then was stretched out of 4:3 over the whole window; and the
// pause's letters, drawn after the resize refilled the stencil, marked it, so
// a dark band stood where they had been once play went on.
TEST_F(ScreensInPlay, APausedFrameKeepsItsPictureAreaAfterAResizeAndLeavesNothingBehind) {
    reshape(SIZE / 2, SIZE / 2);
    play(40);
    keyDown('p', 0, 0);
    play(1);
    ASSERT_EQ(screens.current(), Screen::Paused);
    reshape(SIZE, SIZE / 2);   // a wide window: bars of 43 columns each side
    displayFrame();
    const std::vector<uint8_t> rgb = readPixels(0, 0, SIZE, SIZE / 2);
    EXPECT_EQ(countPixels(rgb, SIZE, isLit, 0, 0, 42, SIZE / 2), 0) << "the left bar";
    EXPECT_EQ(countPixels(rgb, SIZE, isLit, SIZE - 42, 0, SIZE, SIZE / 2), 0) << "the right bar";
    EXPECT_GT(countPixels(rgb, SIZE, isLit, 44, 0, SIZE - 44, SIZE / 2), SIZE * SIZE / 32) << "the kept picture";
    keyDown('p', 0, 0);
    play(2);
    const std::vector<uint8_t> afterPause = readStencil(0, 0, SIZE, SIZE / 2);
    reshape(SIZE, SIZE / 2);
    EXPECT_EQ(readStencil(0, 0, SIZE, SIZE / 2), afterPause) << "the stencil holds the mask alone";
    reshape(SIZE, SIZE);
}

// The help lists what this player's settings bind, not a fixed picture: a
// rebound key changes its own line and nothing else.
TEST_F(ScreensInPlay, TheHelpShowsTheKeysAsBound) {
    auto overlay = [] {
        glClear(GL_COLOR_BUFFER_BIT);
        HelpScreen().draw({controls.settings(), scene.font, nullptr, 0.0f, 0});
        return readPixels(0, 0, SIZE, SIZE);
    };
    const std::vector<uint8_t> before = overlay();
    ASSERT_EQ(controls.settings().keys.bind(Action::Straighten, {'x'}), Action::Count);
    const std::vector<uint8_t> after = overlay();
    controls.apply(Settings());
    // "straighten" is the ninth line of the left column, 16 font rows high,
    // of 480 over the 192 picture rows from row 32.
    const int bottom = HelpScreen::FIRST - 8 * HelpScreen::ROW, row = SIZE * 3;
    const auto line = [&](const std::vector<uint8_t>& rgb) {
        return std::vector<uint8_t>(rgb.begin() + (32 + (bottom - 4) * 192 / 480) * row, rgb.begin() + (32 + (bottom + 21) * 192 / 480) * row);
    };
    const int inLine = differingPixels(line(before), line(after), 20);
    EXPECT_GE(inLine, 4);   // "c" becomes "x": a few pixels at this size
    EXPECT_EQ(differingPixels(before, after, 20), inLine) << "nothing changes outside the line";
}

// The options over the pause: the arrows choose and change instead of
// steering, the music is heard at its new level at once, a steering key let
// go of meanwhile still lets go, and the file holds the level once they close.
TEST_F(ScreensInPlay, TheOptionsChangeTheMusicAtOnceAndKeepItInTheFileAsTheyClose) {
    TempDir dir;
    const std::string path = dir.path("settings.conf");
    writeBytes(path, std::vector<uint8_t>{'#', ' ', 'm', 'i', 'n', 'e', '\n'});
    const Settings kept = controls.settings();
    controls.readSettings(path, true);
    controls.settle();
    specialKeyDown(GLUT_KEY_LEFT, 0, 0);
    keyDown('p', 0, 0);
    play(1);
    keyDown('o', 0, 0);
    ASSERT_EQ(screens.current(), Screen::Options);
    controls.takeRecord();
    for (int i = 0; i < 4; ++i) specialKeyDown(GLUT_KEY_DOWN, 0, 0);   // to the music volume
    specialKeyDown(GLUT_KEY_LEFT, 0, 0);
    specialKeyUp(GLUT_KEY_LEFT, 0, 0);
    EXPECT_EQ(controls.settings().musicVolume, 90);
    EXPECT_EQ(scene.game->world->soundLevels().musicVolume, 90);
    const InputRecord input = controls.takeRecord();
    ASSERT_EQ(input.eventCount, 1u) << "the arrows steered nothing; the release came through";
    EXPECT_FALSE(input.events[0].pressed);
    scene.game->step(input, 0.0f, now);   // let go, or the held arrow stays held for the tests after this one
    keyDown(27, 0, 0);
    EXPECT_EQ(screens.current(), Screen::Paused) << "Escape closes the options, it does not quit";
    const std::vector<uint8_t> saved = readBytes(path);
    EXPECT_EQ(std::string(saved.begin(), saved.end()), "# mine\nmusic_volume = 90\n");
    controls.readSettings(dir.path("none"), false);
    controls.apply(kept);
    controls.applySoundLevels();
    keyDown('p', 0, 0);
}

// "o" in play did nothing, though the start screen says "options: o": it pauses, the options open over the pause,
// and Escape goes back to it.
TEST_F(ScreensInPlay, TheOptionsKeyInPlayPausesAndOpensTheOptions) {
    keyDown('o', 0, 0);
    play(1);
    EXPECT_EQ(screens.current(), Screen::Options);
    EXPECT_TRUE(Clock::isSuspended());
    keyDown(27, 0, 0);
    EXPECT_EQ(screens.current(), Screen::Paused);
    keyDown('p', 0, 0);
    EXPECT_EQ(screens.current(), Screen::Playing);
}

// "PAUSED - p to go on" was printed over "leaving the field" and the target box's distance, the two garbling
// each other: what the kept frame holds about the line is hidden under it.
TEST_F(ScreensInPlay, ThePauseLineHidesWhatStandsBehindIt) {
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0, 0, 0, 0);
    const ScreenFrame frame = {controls.settings(), scene.font, nullptr, 0.0f, 0u};
    PauseScreen().draw(frame);
    // Left of the line's first letter, inside its panel: font unit (220, 308) of the 4:3 picture, 32 rows up.
    const std::vector<uint8_t> rgb = readPixels(220 * 1024 / 640 / 4, 32 + (768 - (480 - 308) * 768 / 480) / 4, 1, 1);
    EXPECT_LT(int(rgb[0]) + rgb[1] + rgb[2], 60) << "the white behind shows through";
}
