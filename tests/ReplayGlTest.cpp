// Guards exact replay: a scripted game with pause, game over and new game ends alike (with the cockpit's help
// overlays on or off), and a changed input is caught.
#include "entities/Asteroid.h"
#include "entities/MyShip.h"
#include "platform/Clock.h"
#include "shell/frame/FrameLoop.h"
#include "shell/Game.h"
#include "shell/input/Controls.h"
#include "shell/Scene.h"
#include "shell/screens/Screens.h"
#include "shell/view/View.h"
#include "shell/replay/Replay.h"
#include "support/ShellGame.h"
#include "support/TestFiles.h"

#include <GL/freeglut.h>

#include <gtest/gtest.h>

namespace {

constexpr int SIZE = 128;
bool powerTaken = false;

// The same fresh game for every run: seed, clock, screens, no recording.
void freshStart() {
    Asteroid::fieldSeed = 11;
    startFreshGame(1000);
    replay.reset();
    replay.keepProcess(true);
    powerTaken = false;
}

// Step i of the script: what the player does, then a redraw. Power is taken
// after 140 frames of play in every run alike (as a rock or the enemy would);
// the recording does not hold it, so the runs must agree on it themselves.
void scriptedFrame(int i, uint32_t& now, bool player) {
    if (player) {
        const int cx = view.width() / 2, cy = view.height() / 2;
        if (i % 7 == 0) pointerMoved(cx + 3 + i % 5, cy - 2);
        if (i % 25 == 10) mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
        if (i < 30) keyDown('a', 0, 0);
        if (i == 40) specialKeyDown(GLUT_KEY_LEFT, 0, 0);
        if (i == 70) specialKeyUp(GLUT_KEY_LEFT, 0, 0);
        if (i == 80 || i == 84) keyDown('p', 0, 0);   // a pause of a few redraws
        if (i == 160) keyDown(13, 0, 0);               // play again from the game-over screen
    }
    if (replay.frames() == 140 && scene.game->myShip->getEnergy() > 0.0f && !powerTaken) {
        scene.game->myShip->setEnergy(0);
        powerTaken = true;
    }
    now += 14;
    Clock::setForTest(now);
    displayFrame();
}

std::string record(const std::string& file) {
    freshStart();
    std::string error;
    EXPECT_TRUE(replay.record(file, "test", 11, error)) << error;
    uint32_t now = 1000;
    for (int i = 0; i < 300; ++i) scriptedFrame(i, now, true);
    const std::string summary = replay.summary();
    replay.reset();   // the file is closed
    return summary;
}

std::string play(const std::string& file, uint32_t& divergedAt) {
    freshStart();
    std::string error;
    EXPECT_TRUE(replay.load(file, error)) << error;
    uint32_t now = 1000;
    for (int i = 0; i < 400 && !replay.ended(); ++i) scriptedFrame(i, now, false);
    EXPECT_TRUE(replay.ended());
    divergedAt = replay.divergedAt();
    const std::string summary = replay.summary();
    replay.reset();
    return summary;
}

}

TEST(Replay, AScriptedGamePlaysAgainToTheSameEndEveryTime) {
    openShellGame(SIZE);
    TempDir dir;
    const std::string file = dir.path("game.sfr");
    const std::string recorded = record(file);
    EXPECT_EQ(screens.current(), Screen::Playing) << "the script's second game is being played";
    // The second run without the cockpit's help for new players: it only
    // draws, so the game it replays is the same.
    for (int run = 0; run < 2; ++run) {
        for (bool Settings::*help : {&Settings::targetBox, &Settings::enemyArrow, &Settings::hitFlash, &Settings::dials,
                                     &Settings::fieldArrow})
            controls.settings().*help = run == 0;
        uint32_t divergedAt = 0;
        EXPECT_EQ(play(file, divergedAt), recorded) << "run " << run;
        EXPECT_EQ(divergedAt, 0u);
    }
    controls.settings() = Settings();

    // One byte of one pointer move changed: caught at the first checksum after it.
    std::vector<uint8_t> bytes = readBytes(file);
    Recording recording;
    std::string error;
    ASSERT_TRUE(Recording::parse(bytes, recording, error)) << error;
    uint32_t frame = 0, changedFrame = 0;
    for (Recording::Entry& e : recording.entries) {
        if (e.kind != Recording::Entry::Frame) continue;
        ++frame;
        if (frame < 63 || e.commands.empty() || e.commands[0].kind != Command::Turn) continue;
        uint8_t* raw = reinterpret_cast<uint8_t*>(&e.commands[0].a);
        raw[2] ^= 1;   // a change of about one percent in how far the pointer moved
        changedFrame = frame;
        break;
    }
    ASSERT_NE(changedFrame, 0u);
    RecordingWriter writer;
    ASSERT_TRUE(writer.open(dir.path("changed.sfr"), recording.programVersion, recording.seed));
    for (const Recording::Entry& e : recording.entries) {
        if (e.kind == Recording::Entry::Frame) writer.frame(e.clock, e.frameTime, e.commands);
        else if (e.kind == Recording::Entry::NewGame) writer.newGame();
        else writer.checksum(e.frame, e.hash);
    }
    writer.close();
    uint32_t divergedAt = 0;
    play(dir.path("changed.sfr"), divergedAt);
    EXPECT_EQ(divergedAt, (changedFrame + Replay::CHECK_EVERY - 1) / Replay::CHECK_EVERY * Replay::CHECK_EVERY);
}
