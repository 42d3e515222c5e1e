#include "Controls.h"

#include "game/Game.h"
#include "shell/Scene.h"
#include "shell/view/View.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"

#include <algorithm>
#include <map>
#include <string>

#include <GL/freeglut.h>

// The bindings name the toolkit's keys without its header.
static_assert(KEY_F1 == SPECIAL + GLUT_KEY_F1 && keyF(12) == SPECIAL + GLUT_KEY_F12, "function keys");
static_assert(KEY_LEFT == SPECIAL + GLUT_KEY_LEFT && KEY_UP == SPECIAL + GLUT_KEY_UP &&
                  KEY_RIGHT == SPECIAL + GLUT_KEY_RIGHT && KEY_DOWN == SPECIAL + GLUT_KEY_DOWN,
              "arrows");
static_assert(KEY_PAGE_UP == SPECIAL + GLUT_KEY_PAGE_UP && KEY_PAGE_DOWN == SPECIAL + GLUT_KEY_PAGE_DOWN &&
                  KEY_HOME == SPECIAL + GLUT_KEY_HOME && KEY_END == SPECIAL + GLUT_KEY_END &&
                  KEY_INSERT == SPECIAL + GLUT_KEY_INSERT,
              "paging keys");
static_assert(MOUSE_LEFT == BUTTON + GLUT_LEFT_BUTTON && MOUSE_MIDDLE == BUTTON + GLUT_MIDDLE_BUTTON &&
                  MOUSE_RIGHT == BUTTON + GLUT_RIGHT_BUTTON,
              "buttons");

Controls::Controls(Scene& s, View& v) : scene(s), view(v) {}

void Controls::apply(const Settings& settings) {
    current = settings;
    pointerDivisor = 1000.0f / current.pointerSensitivity;
}

std::vector<std::string> Controls::readSettings(const std::string& path, bool named) {
    file = SettingsFile(path, named);
    return file.read(current);
}

void Controls::settle() {
    apply(current);
    file.settle(current);
}

std::string Controls::saveSettings() {
    return file.save(current);
}

void Controls::applySoundLevels() const {
    scene.setSoundLevels(current.effectsVolume, current.musicVolume, current.musicOn);
}

void Controls::centerPointer() const {
    // Before the first reshape there is no centre: warping to (0, 0) then would
    // come back as a pointer move of half the screen once the size is known,
    // and set the ship spinning before the player has touched the mouse.
    if (view.width() == 0 || view.height() == 0) return;
    Pointer::moveTo(view.width() >> 1, view.height() >> 1);
}

void Controls::showStatus(const std::string& text) {
    statusText = text;
    statusUntil = Clock::monotonicMilliseconds() + 2000.0;
}

// Volumes in steps of a tenth, shown for two seconds.
void Controls::changeVolume(int& percent, int step, const char* what) {
    // A level changed while the music stands still would be heard nowhere:
    // say how to get it back instead.
    if (&percent == &current.musicVolume && !current.musicOn)
        return showStatus("music off - " + current.keys.describe(Action::MusicOnOff) + " to turn on");
    percent = std::clamp(percent + step, 0, 100);
    applySoundLevels();
    showStatus(std::string(what) + " " + std::to_string(percent) + "%");
}

namespace {

bool isPlay(Action action) {
    switch (action) {
    case Action::Fire: case Action::Pause: case Action::Help: case Action::Quit: case Action::MusicUp:
    case Action::MusicDown: case Action::EffectsUp: case Action::EffectsDown: case Action::MusicOnOff:
    case Action::Options: case Action::SwitchSteering: case Action::Screenshot:
        return false;
    default: return true;
    }
}

}

// What a bound key does: pressed (true) or released (false). Play goes into
// the next frame's command; the screens and the sound act at once.
Action Controls::played(Action action) const {
    // The player's inversion is made here, before the command is recorded:
    // a replay steers as it was played, whatever its player's settings say.
    if (current.invertPitch && (action == Action::SteerUp || action == Action::SteerDown))
        return action == Action::SteerUp ? Action::SteerDown : Action::SteerUp;
    return action;
}

std::optional<ScreenEvent> Controls::act(Action action, bool pressed, bool playing) {
    action = played(action);
    if (isPlay(action)) {
        // A release always reaches the game, so no key stays held across a pause.
        if (!pressed) pending.release(action);
        else if (playing) pending.press(action);
        return std::nullopt;
    }
    if (!pressed) return std::nullopt;
    switch (action) {
    case Action::Fire: return ScreenEvent::Click;
    case Action::Pause: return ScreenEvent::PauseKey;
    case Action::Help: return ScreenEvent::HelpKey;
    case Action::Options: return ScreenEvent::OptionsKey;
    case Action::Quit: return ScreenEvent::EscapeKey;
    case Action::MusicUp: changeVolume(current.musicVolume, 10, "music"); break;
    case Action::MusicDown: changeVolume(current.musicVolume, -10, "music"); break;
    case Action::EffectsUp: changeVolume(current.effectsVolume, 10, "effects"); break;
    case Action::EffectsDown: changeVolume(current.effectsVolume, -10, "effects"); break;
    case Action::MusicOnOff:
        current.musicOn = !current.musicOn;
        applySoundLevels();
        showStatus(current.musicOn ? "music on" : "music off");
        break;
    default: break;
    }
    return std::nullopt;
}

void Controls::applyDrawKeys(const InputRecord& input) {
    DrawOptions& options = view.options;
    for (unsigned i = 0; i < input.eventCount; ++i) {
        if (!input.events[i].pressed) continue;
        switch (Action(input.events[i].action)) {
        case Action::Stats: options.showStats = !options.showStats; break;
        case Action::DrawModels: options.renderMode = 0; break;
        case Action::DrawLists: options.renderMode = 1; break;
        case Action::DrawArrays: options.renderMode = 2; break;
        case Action::Shading:
            options.flatShading = !options.flatShading;
            glShadeModel(options.flatShading ? GL_FLAT : GL_SMOOTH);
            break;
        default: break;
        }
    }
}

namespace {

// Shifted punctuation of the common layouts, and what the key gives unshifted.
const char SHIFTED[] = "!1@2#3$4%5^6&7*8(9)0_-+={[}]:;\"'<,>.?/~`|\\";

}

Key Controls::otherNameHeld(Key k) const {
    std::vector<Key> names;
    if (k >= 1 && k <= 26) names.push_back('a' + k - 1);   // Ctrl and a letter
    for (const char* p = SHIFTED; p[0] && p[1]; p += 2) {
        if (k == Key(p[0])) names.push_back(Key(p[1]));
        if (k == Key(p[1])) names.push_back(Key(p[0]));
    }
    for (Key name : names) if (held.count(name)) return name;
    return NO_KEY;
}

Key Controls::heldName(Key k) const {
    // Letters are bound in lower case; Caps Lock or Shift change nothing,
    // and a letter released after Shift changed still lets go of its key.
    if (k >= 'A' && k <= 'Z') k += 'a' - 'A';
    // A key is one key whatever the modifiers make of its character: held
    // under one name, it repeats and is let go of under any other.
    if (!held.count(k) && otherNameHeld(k) != NO_KEY) k = otherNameHeld(k);
    return k;
}

void Controls::holdForScreens(Key k) {
    held.emplace(heldName(k), Action::Count);
}

std::optional<ScreenEvent> Controls::key(Key k, bool pressed, bool playing) {
    if (pressed) {
        k = heldName(k);
    } else {
        if (k >= 'A' && k <= 'Z') k += 'a' - 'A';
        for (Key other = otherNameHeld(k); other != NO_KEY; other = otherNameHeld(k)) key(other, false, playing);
        const auto was = held.find(k);
        const Action did = was == held.end() ? Action::Count : was->second;
        if (was != held.end()) held.erase(was);
        // What the key did when pressed is let go of, whatever its binding
        // or the pitch's inversion (changed on the options meanwhile) says now.
        if (did != Action::Count) {
            pending.release(did);
            return std::nullopt;
        }
    }
    const Action action = current.keys.actionOf(k);
    if (pressed) held[k] = action != Action::Count && isPlay(played(action)) ? played(action) : Action::Count;
    if (action == Action::Count) return std::nullopt;
    return act(action, pressed, playing);
}

void Controls::releaseAll() {
    const std::map<Key, Action> keys = held;
    for (const auto& down : keys) key(down.first, false, false);
}

void Controls::openGamepad() {
    gamepad.open();
}

PadCommand Controls::pollGamepad(bool playing) {
    const PadCommand command = gamepadInput.update(gamepad.poll(), playing, Clock::monotonicMilliseconds(),
                                                   float(current.deadZone) / 100.0f, current.invertPitch);
    if (command.setsTurn) pending.setTurn(command.yaw, command.pitch);
    return command;
}

void Controls::throttle(int steps, bool playing) {
    for (int i = 0; i < steps; ++i) act(Action::ThrottleUp, true, playing);
    for (int i = 0; i > steps; --i) act(Action::ThrottleDown, true, playing);
}

void Controls::queueShot() {
    pending.press(Action::Fire);
}

InputRecord Controls::takeRecord() {
    const InputRecord taken = pending;
    pending = InputRecord();
    return taken;
}

const std::string* Controls::statusLine() const {
    return !statusText.empty() && Clock::monotonicMilliseconds() < statusUntil ? &statusText : nullptr;
}

void Controls::pointerAt(int x, int y) {
    const int cx = view.width() >> 1, cy = view.height() >> 1;
    if (x == cx && y == cy) return;   // the event the re-centring itself causes
    centerPointer();
    // An aimed mark follows the hand, as any pointer does: no inversion.
    const bool aims = scene.game && scene.game->rules.steering == Steering::Aim;
    const float down = current.invertPitch && !aims ? -1.0f : 1.0f;
    pending.addTurn(float(x - cx) / pointerDivisor, float(y - cy) * down / pointerDivisor);
}
