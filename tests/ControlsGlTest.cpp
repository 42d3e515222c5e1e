// Guards input becoming commands and the screens it opens on: letters under Caps Lock, keys let go outside the window, the stick over held arrows, volume keys while the music is off, the keys named on the screens, the start screen.
#include "entities/EnemyShip.h"
#include "entities/MyShip.h"
#include "platform/Clock.h"
#include "shell/Game.h"
#include "shell/Scene.h"
#include "shell/input/Controls.h"
#include "shell/screens/GameOverScreen.h"
#include "shell/screens/PauseScreen.h"
#include "shell/screens/Screens.h"
#include "support/GameFixtures.h"
#include "support/ShellGame.h"

#include <GL/freeglut.h>
#include <SDL2/SDL.h>

#include <gtest/gtest.h>

namespace {

constexpr int SIZE = 256;

// The commands taken for the next frame, as "+action" and "-action".
std::vector<std::string> taken() {
    std::vector<std::string> names;
    for (const Command& c : controls.takeCommands()) {
        if (c.kind == Command::Press || c.kind == Command::Release)
            names.push_back((c.kind == Command::Press ? "+" : "-") + std::string(KeyBindings::actionName(Action(c.action))));
    }
    return names;
}

}

// With Caps Lock on every letter key once did nothing; a key held when the
// pointer left the window stayed held until pressed again; a key held while
// the pitch's inversion changed let go of the other direction.
TEST(Controls, LettersActWhateverCapsLockSaysAndLeavingTheWindowLetsGoOfEverything) {
    openShellGame(SIZE);
    uint32_t now = 1000;
    startFreshGame(now);
    controls.takeCommands();
    keyDown('A', 0, 0);          // Caps Lock on
    keyUp('A', 0, 0);
    keyDown('y', 0, 0);          // Shift pressed while it is held
    keyUp('Y', 0, 0);
    EXPECT_EQ(taken(), (std::vector<std::string>{"+throttle_up", "-throttle_up", "+throttle_down", "-throttle_down"}));
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

// Held Right, the stick pushed and let go, Right released: the ship then
// turned left at the arrows' full rate, because the stick's turn had
// replaced the arrows' part and their release took it back again.
TEST(Controls, AStickTurnForgetsTheArrowsPart) {
    openShellGame(SIZE);
    uint32_t now = 1000;
    startFreshGame(now);
    MyShip& ship = *scene.game->myShip;
    specialKeyDown(GLUT_KEY_RIGHT, 0, 0);
    playFrames(40, now);
    ASSERT_GT(ship.getYawRate(), 0.1f);
    Command stick;
    stick.kind = Command::SetTurn;
    stick.a = 0.05f;
    controls.applyCommands({stick});
    stick.a = 0.0f;   // let go: the turn rates become the stick's, none
    controls.applyCommands({stick});
    specialKeyUp(GLUT_KEY_RIGHT, 0, 0);
    playFrames(40, now);
    EXPECT_NEAR(ship.getYawRate(), 0.0f, 1e-4f);
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
    EXPECT_EQ(GameOverScreen::keysLine(settings), "Enter: play again   q: quit");
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
            controls.pollGamepad();
            SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_START, 0);
            controls.pollGamepad();
        },
    };
    for (const auto& begin : ways) {
        screens.openOnStart();
        const Vector3 enemy = scene.game->enemyShip->getPosition(), ship = scene.game->myShip->getPosition();
        playFrames(20, now);
        keyDown('h', 0, 0);
        playFrames(2, now);
        keyDown('h', 0, 0);
        EXPECT_EQ(screens.current(), Screen::Start) << "the help closes back to the start screen";
        EXPECT_TRUE(Clock::isSuspended());
        EXPECT_FALSE(scene.game->enemyShip->getPosition() != enemy);
        EXPECT_FALSE(scene.game->myShip->getPosition() != ship);
        begin();
        EXPECT_EQ(screens.current(), Screen::Playing);
        EXPECT_FALSE(Clock::isSuspended());
        playFrames(2, now);
        EXPECT_EQ(scene.game->lastShotTime, 0.0f) << "the click that begins fires nothing";
    }
    SDL_JoystickClose(pad);
}
