#pragma once

#include "platform/Gamepad.h"
#include "shell/input/GamepadInput.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "game/InputRecord.h"

#include <map>
#include <string>
#include <vector>

// The one owner of input: the settings the player gave (file, command line
// and the keys pressed while playing) and the file they are kept in, the pointer's scale, the held
// steering keys, the game controller, and the commands gathered for the next
// frame of play. Keys, clicks, pointer moves and the controller become
// commands here; only the screens and the sound act at once.
class Controls {
public:
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

    // A key (ASCII, SPECIAL + toolkit code, or BUTTON + button) pressed or released.
    void key(Key key, bool pressed);
    // Every key and button still held is released: the window was left,
    // and what is let go of elsewhere never reaches it.
    void releaseAll();
    // Enter: play again on the game-over screen; not bindable.
    void enter();
    // The pointer is at (x, y) in window pixels.
    void pointerAt(int x, int y);
    // Moves the pointer to the window's centre (halves rounded down).
    void centerPointer() const;

    // Game controllers: opened at start (silently none where SDL has no
    // support), polled once a frame and while play stands still.
    void openGamepad();
    void pollGamepad();

    // Input reaches the game as one record a frame, stepped at the start of
    // the next frame of play: what came in since the last (and handed to a
    // recording), or a replay's.
    InputRecord takeRecord();
    // A shot, as the fire button gives one.
    void queueShot();
    // The keys of a frame that change how the game is drawn, not the game.
    void applyDrawKeys(const InputRecord& input);

    // The short line a volume key shows for two seconds, or null.
    const std::string* statusLine() const;

private:
    void act(Action action, bool pressed);
    // The action of play a bound action is, the player's pitch inversion applied.
    Action played(Action action) const;
    // Another name of the same key that is held, or NO_KEY: the toolkit
    // names a key by the character the modifiers make of it at that moment,
    // so a letter let go of with Ctrl down comes as a control character, and
    // "1" with Shift as "!".
    Key otherNameHeld(Key key) const;
    void showStatus(const std::string& text);
    // The start screen's next mode: its game built at once, and kept as the last chosen.
    void nextMode();
    void changeVolume(int& percent, int step, const char* what);

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

extern Controls controls;

// The toolkit's input callbacks: each hands over to the controls.
void keyDown(unsigned char key, int x, int y);
void keyUp(unsigned char key, int x, int y);
void specialKeyDown(int key, int x, int y);
void specialKeyUp(int key, int x, int y);
void mouseButton(int button, int state, int x, int y);
void pointerDragged(int x, int y);
void pointerMoved(int x, int y);
void pointerEntry(int state);
