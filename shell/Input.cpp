#include "Input.h"

#include "Game.h"
#include "Scene.h"
#include "Screens.h"
#include "ShellState.h"
#include "entities/Laser.h"
#include "entities/MyShip.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"
#include "world/World.h"
#include "input/GamepadInput.h"
#include "input/KeySteering.h"
#include "replay/Replay.h"
#include "platform/Gamepad.h"

#include <algorithm>
#include <string>

#include <GL/freeglut.h>


void centerPointer() {
    // Before the first reshape there is no centre: warping to (0, 0) then would
    // come back as a pointer move of half the screen once the size is known,
    // and set the ship spinning before the player has touched the mouse.
    if (windowWidth == 0 || windowHeight == 0) return;
    Pointer::moveTo(windowWidth >> 1, windowHeight >> 1);
}

namespace {

KeySteering keySteering;
Gamepad gamepad;
GamepadInput gamepadInput;

std::string statusText;        // a short line on the HUD, such as "music 60%"
double statusUntil = 0.0;      // real milliseconds; the line shows until then

void showStatus(const std::string& text) {
    statusText = text;
    statusUntil = Clock::monotonicMilliseconds() + 2000.0;
}

// Volumes in steps of a tenth, shown for two seconds.
void changeVolume(int& percent, int step, const char* what) {
    percent = std::clamp(percent + step, 0, 100);
    applySoundLevels();
    showStatus(std::string(what) + " " + std::to_string(percent) + "%");
}

std::vector<Command> pending;   // what reached the game since the last frame of play

void queue(Command::Kind kind, Action action) {
    Command c;
    c.kind = kind;
    c.action = uint8_t(action);
    pending.push_back(c);
}

bool isPlay(Action action) {
    switch (action) {
    case Action::Fire: case Action::Pause: case Action::Help: case Action::Quit: case Action::MusicUp:
    case Action::MusicDown: case Action::EffectsUp: case Action::EffectsDown: case Action::MusicOnOff:
        return false;
    default: return true;
    }
}

// What a bound key does: pressed (true) or released (false). Play goes into
// the next frame's command; the screens and the sound act at once.
void act(Action action, bool pressed) {
    // The player's inversion is made here, before the command is recorded:
    // a replay steers as it was played, whatever its player's settings say.
    if (settings.invertPitch && (action == Action::SteerUp || action == Action::SteerDown))
        action = action == Action::SteerUp ? Action::SteerDown : Action::SteerUp;
    if (isPlay(action)) {
        // A release always reaches the game, so no key stays held across a pause.
        if (!pressed) queue(Command::Release, action);
        else if (screens.playing()) queue(Command::Press, action);
        return;
    }
    if (!pressed) return;
    switch (action) {
    case Action::Fire: return screens.handle(ScreenEvent::Click);
    case Action::Pause: return screens.handle(ScreenEvent::PauseKey);
    case Action::Help: return screens.handle(ScreenEvent::HelpKey);
    case Action::Quit: return screens.handle(ScreenEvent::EscapeKey);
    case Action::MusicUp: return changeVolume(settings.musicVolume, 10, "music");
    case Action::MusicDown: return changeVolume(settings.musicVolume, -10, "music");
    case Action::EffectsUp: return changeVolume(settings.effectsVolume, 10, "effects");
    case Action::EffectsDown: return changeVolume(settings.effectsVolume, -10, "effects");
    case Action::MusicOnOff:
        settings.musicOn = !settings.musicOn;
        applySoundLevels();
        return showStatus(settings.musicOn ? "music on" : "music off");
    default: return;
    }
}

// An action of play, inside a frame.
void play(Action action, bool pressed) {
    MyShip& ship = *game->myShip;
    switch (action) {
    case Action::SteerUp: return keySteering.hold(KeySteering::UP, pressed);
    case Action::SteerDown: return keySteering.hold(KeySteering::DOWN, pressed);
    case Action::SteerLeft: return keySteering.hold(KeySteering::LEFT, pressed);
    case Action::SteerRight: return keySteering.hold(KeySteering::RIGHT, pressed);
    default: break;
    }
    if (!pressed) return;
    switch (action) {
    case Action::Fire: fireShot(); break;
    case Action::ThrottleUp: ship.changeSpeed(1.0f, true); break;
    case Action::ThrottleDown: ship.changeSpeed(1.0f, false); break;
    case Action::FullThrottle: ship.setSpeed(100.0f); break;
    case Action::FullStop: ship.setSpeed(0.0f); break;
    case Action::Straighten:
        ship.stopTurning();
        keySteering.forget();
        break;
    case Action::Stats: showStats = !showStats; break;
    case Action::View:
        if (ship.getOutsideView() == 0) {
            ship.setOutsideView(1);
        } else {
            ship.setOutsideView(0);
            cockpitFrames = 0;   // paint the cockpit again
        }
        break;
    case Action::DrawModels: renderMode = 0; break;
    case Action::DrawLists: renderMode = 1; break;
    case Action::DrawArrays: renderMode = 2; break;
    case Action::Shading:
        flatShading = !flatShading;
        glShadeModel(flatShading ? GL_FLAT : GL_SMOOTH);
        break;
    default: break;
    }
}

void key(Key k, bool pressed) {
    // Escape always closes the help, whatever Quit is bound to.
    if (k == 27 && pressed && screens.current() == Screen::Help) return screens.handle(ScreenEvent::EscapeKey);
    const Action action = settings.keys.actionOf(k);
    if (action != Action::Count) act(action, pressed);
}

}

void keyDown(unsigned char k, int, int) {
    // Play again: not bindable; a replay plays its own games again.
    if (k == 13) {
        if (!replay.replaying()) screens.handle(ScreenEvent::EnterKey);
        return;
    }
    key(k, true);
}

void keyUp(unsigned char k, int, int) {
    key(k, false);
}

void specialKeyDown(int k, int, int) {
    key(SPECIAL + k, true);
}

void specialKeyUp(int k, int, int) {
    key(SPECIAL + k, false);
}

void openGamepad() {
    gamepad.open();
}

void pollGamepad() {
    const PadCommand command = gamepadInput.update(gamepad.poll(), screens.playing(), Clock::monotonicMilliseconds(),
                                                   float(settings.deadZone) / 100.0f, settings.invertPitch);
    if (command.setsTurn) {
        Command c;
        c.kind = Command::SetTurn;
        c.a = command.yaw;
        c.b = command.pitch;
        pending.push_back(c);
    }
    if (command.fire) act(Action::Fire, true);
    if (command.start && screens.current() != Screen::GameOver) screens.handle(ScreenEvent::PauseKey);
    if (command.start && screens.current() == Screen::GameOver && !replay.replaying()) screens.handle(ScreenEvent::EnterKey);
    if (command.back) screens.handle(ScreenEvent::HelpKey);
    for (int i = 0; i < command.throttle; ++i) act(Action::ThrottleUp, true);
    for (int i = 0; i > command.throttle; --i) act(Action::ThrottleDown, true);
}

void queueShot() {
    queue(Command::Press, Action::Fire);
}

std::vector<Command> takeCommands() {
    std::vector<Command> taken;
    taken.swap(pending);
    return taken;
}

void applyCommands(const std::vector<Command>& commands) {
    if (!game) return;
    for (const Command& c : commands) {
        switch (c.kind) {
        case Command::Turn: game->myShip->addTurn(c.a, c.b); break;
        case Command::SetTurn:
            game->myShip->stopTurning();
            game->myShip->addTurn(c.a, c.b);
            break;
        case Command::Press:
        case Command::Release:
            if (c.action < uint8_t(Action::Count)) play(Action(c.action), c.kind == Command::Press);
            break;
        }
    }
}

void steerByKeys(MyShip& ship, float seconds) {
    keySteering.update(ship, seconds);
}

void forgetKeySteering() {
    keySteering.release();
}

const std::string* statusLine() {
    return Clock::monotonicMilliseconds() < statusUntil ? &statusText : nullptr;
}

void fireShot() {
    World* world = game->world.get();
    MyShip* myShip = game->myShip;
    Laser* laser = game->laser.get();
    const int hit = laser->fire(myShip, 0.1f, world);
    game->lastShotTime = static_cast<float>(Clock::milliseconds());
    if (hit != -1) {
        const Vector3 impact = laser->hitPoint(static_cast<unsigned>(hit));
        SpaceObject* target = world->objectAt(static_cast<unsigned>(hit));
        const Vector3 offset = impact - target->getPosition();
        target->subtractEnergy(laser->getDamage());
        const SpaceObject* still = world->findById(target->getWorldId());
        if (still && still->getEnergy() > 0.0f) {
            world->addExplosion(myShip, offset, target->getPosition(), target->getWorldId());
        }
    } else {
        laser->setLength(3000.0f);
    }
    world->playSample(0);
}

void mouseButton(int button, int state, int, int) {
    if (game) key(BUTTON + button, state == GLUT_DOWN);
}

void pointerDragged(int, int) {}

void pointerMoved(int x, int y) {
    if (!screens.playing()) return;   // the pointer is the desktop's while paused
    const int cx = windowWidth >> 1, cy = windowHeight >> 1;
    if (x == cx && y == cy) return;   // the event the re-centring itself causes
    centerPointer();
    Command c;
    c.kind = Command::Turn;
    c.a = float(x - cx) / pointerDivisor;
    c.b = float(y - cy) * (settings.invertPitch ? -1.0f : 1.0f) / pointerDivisor;
    pending.push_back(c);
}

void pointerEntry(int) {}
