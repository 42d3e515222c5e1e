// Guards exact replay: a scripted game with pause, game over and new game ends alike (with the cockpit's help
// overlays on or off); a changed input is caught, also after the last regular checksum; a replayed game ending
// sooner or later than its recording diverges.
#include "entities/Asteroid.h"
#include "entities/MyShip.h"
#include "platform/Clock.h"
#include "shell/frame/FrameLoop.h"
#include "game/Game.h"
#include "shell/input/Controls.h"
#include "shell/Scene.h"
#include "shell/screens/Screens.h"
#include "shell/view/View.h"
#include "shell/replay/Replay.h"
#include "support/ShellGame.h"
#include "support/TestFiles.h"

#include <GL/freeglut.h>

#include <gtest/gtest.h>

#include <algorithm>
#include "shell/GameWindow.h"
#include "support/ShellGame.h"

namespace {

GameWindow& window = shellWindow();
Controls& controls = window.controls;
Replay& replay = window.replay;
Scene& scene = window.scene;
Screens& screens = window.screens;
View& view = window.view;

}


namespace {

constexpr int SIZE = 128;
bool powerTaken = false;
uint32_t powerAt = 140;   // the first game ends in the frame after this one of play

// The same fresh game for every run: seed, clock, screens, no recording.
void freshStart() {
    Asteroid::fieldSeed = 11;
    startFreshGame(1000);
    replay.reset();
    replay.keepProcess(true);
    powerTaken = false;
}

// Step i of the script: what the player does, then a redraw. Power is taken
// after powerAt frames of play in every run alike (as a rock or the enemy would);
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
    if (replay.frames() == powerAt && scene.game->myShip->getEnergy() > 0.0f && !powerTaken) {
        scene.game->myShip->setEnergy(0);
        powerTaken = true;
    }
    now += 14;
    Clock::setTo(now);
    displayFrame();
}

std::string record(const std::string& file) {
    freshStart();
    std::string error;
    EXPECT_TRUE(replay.record(file, "test", 11, GameRules(), error)) << error;
    uint32_t now = 1000;
    for (int i = 0; i < 300; ++i) scriptedFrame(i, now, true);
    const std::string summary = replay.summary(scene.game);
    EXPECT_EQ(replay.close(scene.game), 0);   // the last hash, and the file closed
    replay.reset();
    return summary;
}

std::string play(const std::string& file, uint32_t& divergedAt, uint32_t powerFrame = 140) {
    freshStart();
    powerAt = powerFrame;
    std::string error;
    EXPECT_TRUE(replay.load(file, error)) << error;
    uint32_t now = 1000;
    for (int i = 0; i < 400 && !replay.ended(); ++i) scriptedFrame(i, now, false);
    EXPECT_TRUE(replay.ended());
    divergedAt = replay.divergedAt();
    const std::string summary = replay.summary(scene.game);
    replay.reset();
    powerAt = 140;
    return summary;
}

// The recording in `from` written again to `to`, each entry as `change` leaves it (false: left out).
template <typename Change>
void rewrite(const std::string& from, const std::string& to, Change change) {
    Recording recording;
    std::string error;
    ASSERT_TRUE(Recording::parse(readBytes(from), recording, error)) << error;
    RecordingWriter writer;
    ASSERT_TRUE(writer.open(to, recording.programVersion, recording.seed, recording.rules, error)) << error;
    uint32_t frame = 0;
    for (Recording::Entry& e : recording.entries) {
        frame += e.kind == Recording::Entry::Frame;
        if (!change(e, frame)) continue;
        if (e.kind == Recording::Entry::Frame) writer.frame(e.clock, e.frameTime, e.input);
        else if (e.kind == Recording::Entry::NewGame) writer.newGame();
        else writer.checksum(e.frame, e.hash);
    }
    ASSERT_TRUE(writer.close());
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

    // A pointer move changed: caught at the first checksum after it; in the last frames, by the closing one.
    Recording recording;
    std::string error;
    ASSERT_TRUE(Recording::parse(readBytes(file), recording, error)) << error;
    const uint32_t frames = recording.wholeFrames, every = Replay::CHECK_EVERY;
    ASSERT_NE(frames % every, 0u) << "the script must end between two regular checksums";
    for (const uint32_t from : {63u, frames / every * every + 1}) {
        uint32_t changedFrame = 0, divergedAt = 0;
        rewrite(file, dir.path("changed.sfr"), [&](Recording::Entry& e, uint32_t frame) {
            if (changedFrame || frame < from || e.input.turnCount == 0) return true;
            reinterpret_cast<uint8_t*>(&e.input.turns[0][0])[2] ^= 1;   // about one percent of how far it moved
            changedFrame = frame;
            return true;
        });
        ASSERT_NE(changedFrame, 0u) << from;
        play(dir.path("changed.sfr"), divergedAt);
        EXPECT_EQ(divergedAt, std::min(frames, (changedFrame + every - 1) / every * every)) << changedFrame;
    }

    // The replayed game ends sooner than the recorded one: a frame met on the game-over screen. Later: its
    // recording's last hash differs; in a file without it (as format 1 wrote), a new game met during play.
    rewrite(file, dir.path("no-game-over-hash.sfr"), [&](Recording::Entry& e, uint32_t) {
        return e.kind != Recording::Entry::Checksum || e.frame % every == 0;
    });
    struct {
        const char* file;
        uint32_t powerAt, divergedAt;
    } ends[] = {{"game.sfr", 100, 101}, {"game.sfr", 170, 141}, {"no-game-over-hash.sfr", 170, 141}};
    for (const auto& e : ends) {
        uint32_t divergedAt = 0;
        play(dir.path(e.file), divergedAt, e.powerAt);
        EXPECT_EQ(divergedAt, e.divergedAt) << e.file << ", power taken after frame " << e.powerAt;
    }
}
