// Guards input becoming the frame's record and the screens it opens on: letters under Caps Lock or Ctrl, keys let go outside the window, volume keys while the music is off, the keys named on the screens, the start screen, the steering key.
#include "entities/EnemyShip.h"
#include "entities/MyShip.h"
#include "platform/Clock.h"
#include "game/Game.h"
#include "shell/Scene.h"
#include "shell/input/Controls.h"
#include "shell/screens/GameOverScreen.h"
#include "shell/screens/PauseScreen.h"
#include "shell/replay/Replay.h"
#include "shell/screens/Screens.h"
#include "support/GameFixtures.h"
#include "support/ShellGame.h"
#include "support/TestFiles.h"
#include "recording/Recording.h"

#include <GL/freeglut.h>
#include <SDL2/SDL.h>

#include <gtest/gtest.h>
#include "shell/GameWindow.h"
#include "support/ShellGame.h"

namespace {

GameWindow& window = shellWindow();
Controls& controls = window.controls;
Scene& scene = window.scene;
Screens& screens = window.screens;
Replay& replay = window.replay;

}


namespace {

constexpr int SIZE = 256;

// The presses and releases taken for the next frame, as "+action" and "-action".
std::vector<std::string> taken() {
    std::vector<std::string> names;
    const InputRecord input = controls.takeRecord();
    for (unsigned i = 0; i < input.eventCount; ++i) {
        const InputRecord::Event& e = input.events[i];
        names.push_back((e.pressed ? "+" : "-") + std::string(KeyBindings::actionName(Action(e.action))));
    }
    return names;
}

}

// With Caps Lock on every letter key once did nothing; a key held when the
// pointer left the window stayed held until pressed again; a key held while
// the pitch's inversion changed let go of the other direction; a letter let
// go of with Ctrl down (or "1" with Shift) never let go, so the ship turned on.
TEST(Controls, AKeyIsOneKeyWhateverTheModifiersAndLeavingTheWindowLetsGoOfEverything) {
    openShellGame(SIZE);
    uint32_t now = 1000;
    startFreshGame(now);
    controls.takeRecord();
    keyDown('A', 0, 0);          // Caps Lock on
    keyUp('A', 0, 0);
    keyDown('y', 0, 0);          // Shift pressed while it is held
    keyUp('Y', 0, 0);
    EXPECT_EQ(taken(), (std::vector<std::string>{"+throttle_up", "-throttle_up", "+throttle_down", "-throttle_down"}));
    const Settings kept = controls.settings();
    controls.settings().keys.bind(Action::SteerLeft, {'q'});
    controls.settings().keys.bind(Action::SteerRight, {'1'});
    keyDown('q', 0, 0);
    keyDown(17, 0, 0);           // Ctrl pressed over it: the key repeats as Ctrl+Q
    keyUp(17, 0, 0);
    keyDown('1', 0, 0);
    keyUp('!', 0, 0);            // Shift pressed over it
    EXPECT_EQ(taken(), (std::vector<std::string>{"+steer_left", "+steer_left", "-steer_left", "+steer_right", "-steer_right"}));
    controls.apply(kept);
    specialKeyDown(GLUT_KEY_LEFT, 0, 0);
    mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    taken();
    pointerEntry(GLUT_LEFT);
    const std::vector<std::string> released = taken();
    EXPECT_NE(std::find(released.begin(), released.end(), "-steer_left"), released.end());
    pointerEntry(GLUT_LEFT);
    EXPECT_TRUE(taken().empty()) << "nothing is released twice";
    specialKeyDown(GLUT_KEY_UP, 0, 0);
    controls.settings().invertPitch = true;   // as the options may set it meanwhile
    specialKeyUp(GLUT_KEY_UP, 0, 0);
    controls.settings().invertPitch = false;
    EXPECT_EQ(taken(), (std::vector<std::string>{"+steer_up", "-steer_up"}));
}

// After "m", "+" said "music 80%" while nothing was heard.
TEST(Controls, AMusicVolumeKeyWhileTheMusicIsOffSaysHowToTurnItOn) {
    openShellGame(SIZE);
    const Settings kept = controls.settings();
    keyDown('m', 0, 0);
    keyDown('+', 0, 0);
    ASSERT_NE(controls.statusLine(), nullptr);
    EXPECT_EQ(*controls.statusLine(), "music off - m to turn on");
    EXPECT_EQ(controls.settings().musicVolume, kept.musicVolume);
    keyDown('m', 0, 0);
    keyDown('-', 0, 0);
    EXPECT_EQ(*controls.statusLine(), "music 90%");
    controls.apply(kept);
    controls.applySoundLevels();
}

// The pause and game-over lines once named p and Esc whatever the keys were.
TEST(Controls, TheScreensNameTheKeysAsBound) {
    Settings settings;
    EXPECT_EQ(PauseScreen::line(settings), "PAUSED - p to go on");
    EXPECT_EQ(GameOverScreen::keysLine(settings), "Enter: play again   Esc: quit");
    settings.keys.bind(Action::Pause, {'x'});
    settings.keys.bind(Action::Quit, {'q'});
    EXPECT_EQ(PauseScreen::line(settings), "PAUSED - x to go on");
    EXPECT_EQ(GameOverScreen::keysLine(settings), "Enter: play again   q or escape: quit");
    // Bindings once left no quit key and no options key, and the start screen said "(none)" for both.
    KeyBindings none;
    none.bind(Action::Options, {});
    none.bind(Action::Quit, {});
    ASSERT_TRUE(none.keysOf(Action::Quit).empty() && none.keysOf(Action::Options).empty());
    EXPECT_EQ(none.actionOf(ESCAPE), Action::Quit);
    EXPECT_EQ(none.actionOf('o'), Action::Options);
    EXPECT_EQ(none.describe(Action::Quit) + " " + none.describe(Action::Options), "escape o");
}

// Nothing moves on the start screen, the game clock included; Enter, a
// click (which fires nothing) and the gamepad's Start each begin; the help
// opened over it closes back to it.
TEST(Controls, TheStartScreenHoldsTheGameUntilEnterAClickOrTheGamepadsStart) {
    openShellGame(SIZE);
    uint32_t now = 1000;
    startFreshGame(now);
    SDL_Joystick* pad = plugInTestPad();
    ASSERT_NE(pad, nullptr);
    controls.openGamepad();
    const std::function<void()> ways[] = {
        [] { keyDown(13, 0, 0); },
        [] { mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0); },
        [&] {
            SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_START, 1);
            window.pollGamepad();
            SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_START, 0);
            window.pollGamepad();
        },
    };
    for (const auto& begin : ways) {
        window.openOnStart();
        const Vector3 enemy = scene.game->enemies.front()->getPosition(), ship = scene.game->myShip->getPosition();
        playFrames(20, now);
        keyDown('h', 0, 0);
        playFrames(2, now);
        keyDown('h', 0, 0);
        EXPECT_EQ(screens.current(), Screen::Start) << "the help closes back to the start screen";
        EXPECT_TRUE(Clock::isSuspended());
        EXPECT_FALSE(scene.game->enemies.front()->getPosition() != enemy);
        EXPECT_FALSE(scene.game->myShip->getPosition() != ship);
        begin();
        EXPECT_EQ(screens.current(), Screen::Playing);
        EXPECT_FALSE(Clock::isSuspended());
        playFrames(2, now);
        EXPECT_EQ(scene.game->lastShotTime, 0.0f) << "the click that begins fires nothing";
    }
    SDL_JoystickClose(pad);
}

// The steering key on the start screen: the first game and the recording's header take it. Pressed in play it
// waits, and says for how long: a recording keeps one steering for the whole run.
TEST(Controls, TheSteeringKeyTakesEffectBeforePlayAndLaterWaits) {
    openShellGame(SIZE);
    uint32_t now = 1000;
    TempDir dir;
    std::string error;
    ASSERT_TRUE(replay.record(dir.path("run.sfr"), "test", 5, scene.rules, error)) << error;
    startFreshGame(now);
    window.openOnStart();
    auto press = [] {
        keyDown('s', 0, 0);
        keyUp('s', 0, 0);
    };
    press();
    EXPECT_EQ(StartScreen::lines(controls.settings())[11], "> aim: point the ring where you want to fly");
    keyDown(13, 0, 0);
    EXPECT_EQ(scene.game->rules.steering, Steering::Aim);
    playFrames(2, now);
    press();
    EXPECT_EQ(scene.game->rules.steering, Steering::Aim);
    EXPECT_EQ(scene.rules.steering, Steering::Aim) << "the recording's run keeps its steering";
    ASSERT_NE(controls.statusLine(), nullptr);
    EXPECT_EQ(*controls.statusLine(), "steering: rates from the next start");
    replay.reset();
    Recording read;
    ASSERT_TRUE(Recording::parse(readBytes(dir.path("run.sfr")), read, error)) << error;
    EXPECT_EQ(read.rules.steering, Steering::Aim);

    // Unrecorded, the next game takes it.
    press();
    press();
    EXPECT_EQ(*controls.statusLine(), "steering: rates from the next game");
    startFreshGame(now);
    EXPECT_EQ(scene.game->rules.steering, Steering::Rates);
    controls.apply(Settings());
    controls.showStatus("");
    scene.rules = GameRules();
}
