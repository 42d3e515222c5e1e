#pragma once

#include "platform/Gamepad.h"
#include "platform/GamepadInput.h"
#include "shell/screens/ScreenEvent.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "game/InputRecord.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class Scene;
class View;

// The one owner of input: the settings the player gave (file, command line
// and the keys pressed while playing) and the file they are kept in, the pointer's scale, the held
// steering keys, the game controller, and the commands gathered for the next
// frame of play. Keys, clicks, pointer moves and the controller become
// commands here; only the screens and the sound act at once.
class Controls {
public:
    // The sound levels go to the scene; the pointer is centred in the view,
    // whose draw keys change its options.
    Controls(Scene& scene, View& view);

    Settings& settings() { return current; }
    const Settings& settings() const { return current; }
    // Takes the settings in force (tests).
    void apply(const Settings& settings);
    // Reads the settings file over the defaults; the warnings, each one line.
    std::vector<std::string> readSettings(const std::string& path, bool named);
    // The settings now in force (the command line's word included) count as
    // unchanged: only what the player changes from here on is written back.
    void settle();
    // Writes back into the file what the player changed in the game; a
    // warning the first time the file cannot be written, else "".
    std::string saveSettings();
    // The volumes and music switch handed to the scene.
    void applySoundLevels() const;

    // A key (ASCII, SPECIAL + toolkit code, or BUTTON + button) pressed or
    // released, while play goes on (`playing`: its press reaches the game) or
    // not. What it asks of the screens (a pause, the help, the options,
    // Escape, a click), if anything; the volume keys act at once.
    std::optional<ScreenEvent> key(Key key, bool pressed, bool playing);
    // The name a key pressed now is held under: letters in lower case, and a
    // key already held under another name (Ctrl or Shift changed what the
    // toolkit calls it) keeps that one.
    Key heldName(Key key) const;
    // A key the screens took when pressed: held, so that its release lets
    // go of nothing of play.
    void holdForScreens(Key key);
    // Every key and button still held is released: the window was left,
    // and what is let go of elsewhere never reaches it.
    void releaseAll();
    // The pointer is at (x, y) in window pixels, in play.
    void pointerAt(int x, int y);
    // Moves the pointer to the window's centre (halves rounded down).
    void centerPointer() const;

    // Game controllers: opened at start (silently none where SDL has no
    // support), polled once a frame and while play stands still.
    void openGamepad();
    // The stick's turn goes into the record; the buttons are the window's to route.
    PadCommand pollGamepad(bool playing);
    // The triggers' throttle steps (up when positive), pressed while play goes on.
    void throttle(int steps, bool playing);

    // Input reaches the game as one record a frame, stepped at the start of
    // the next frame of play: what came in since the last (and handed to a
    // recording), or a replay's.
    InputRecord takeRecord();
    // A shot, as the fire button gives one.
    void queueShot();
    // The keys of a frame that change how the game is drawn, not the game.
    void applyDrawKeys(const InputRecord& input);

    // The short line a volume key, the steering key or a screenshot shows
    // for two seconds, or null.
    const std::string* statusLine() const;
    void showStatus(const std::string& text);

private:
    std::optional<ScreenEvent> act(Action action, bool pressed, bool playing);
    // The action of play a bound action is, the player's pitch inversion applied.
    Action played(Action action) const;
    // Another name of the same key that is held, or NO_KEY: the toolkit
    // names a key by the character the modifiers make of it at that moment,
    // so a letter let go of with Ctrl down comes as a control character, and
    // "1" with Shift as "!".
    Key otherNameHeld(Key key) const;
    void changeVolume(int& percent, int step, const char* what);

    Scene& scene;
    View& view;
    Settings current;
    SettingsFile file;
    float pointerDivisor = 1000.0f;   // pointer pixels per unit of turn rate: 1000 / the pointer sensitivity
    Gamepad gamepad;
    GamepadInput gamepadInput;
    InputRecord pending;              // what reached the game since the last frame of play
    std::map<Key, Action> held;       // keys and buttons down now, with the action of play each pressed (Count: none)
    std::string statusText;           // a short line on the HUD, such as "music 60%"
    double statusUntil = 0.0;         // real milliseconds; the line shows until then
};
