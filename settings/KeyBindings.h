#pragma once

#include "game/Action.h"

#include <array>
#include <string>
#include <vector>

// A key or button as one number: characters as themselves (0..255), the
// toolkit's special keys from SPECIAL on, mouse buttons from BUTTON on.
using Key = int;
constexpr Key SPECIAL = 256;
constexpr Key BUTTON = 512;
constexpr Key NO_KEY = -1;
constexpr Key ENTER = 13;    // play again: never bound to an action
constexpr Key ESCAPE = 27;    // always quits, or closes a screen, whatever it is bound to
constexpr Key OPTIONS_AT_LEAST = 'o';   // opens the options while no key is bound to them

// The toolkit's codes of its special keys and buttons, which the window's
// input checks against the toolkit's own: the bindings need no window.
constexpr Key KEY_F1 = SPECIAL + 1;   // F2 to F12 follow
constexpr Key KEY_LEFT = SPECIAL + 100;
constexpr Key KEY_UP = SPECIAL + 101;
constexpr Key KEY_RIGHT = SPECIAL + 102;
constexpr Key KEY_DOWN = SPECIAL + 103;
constexpr Key KEY_PAGE_UP = SPECIAL + 104;
constexpr Key KEY_PAGE_DOWN = SPECIAL + 105;
constexpr Key KEY_HOME = SPECIAL + 106;
constexpr Key KEY_END = SPECIAL + 107;
constexpr Key KEY_INSERT = SPECIAL + 108;
constexpr Key MOUSE_LEFT = BUTTON + 0;
constexpr Key MOUSE_MIDDLE = BUTTON + 1;
constexpr Key MOUSE_RIGHT = BUTTON + 2;
constexpr Key keyF(int n) { return KEY_F1 + n - 1; }

// Which keys do which action. The defaults are the game's own keys; a
// settings file may bind others.
class KeyBindings {
public:
    KeyBindings();   // the defaults

    // The action a key does, or Action::Count for none.
    Action actionOf(Key key) const;
    const std::vector<Key>& keysOf(Action action) const { return keys[size_t(action)]; }

    // Binds `action` to exactly `newKeys`. A key another action did leaves
    // it, and the first such action takes over the keys `action` gives up, so
    // binding p's action to h and h's to p exchanges the two. Returns that
    // action, or Action::Count when no key changed hands. Enter is never bound
    // (nothing changes, Action::Count).
    Action bind(Action action, const std::vector<Key>& newKeys);
    void restoreDefaults() { *this = KeyBindings(); }
    bool operator==(const KeyBindings& other) const { return keys == other.keys; }
    bool operator!=(const KeyBindings& other) const { return keys != other.keys; }

    // "throttle_up" and the like, as in the settings file; empty past the end.
    static const char* actionName(Action action);
    static Action actionNamed(const std::string& name);   // Action::Count when unknown
    // Key names as in the settings file and the help: "a", "f1", "up", "space", "mouse1".
    static std::string keyName(Key key);
    static Key keyNamed(const std::string& name);   // NO_KEY when unknown
    // The keys of an action for people: "y or z"; "(none)" for none.
    std::string describe(Action action) const;

private:
    std::array<std::vector<Key>, size_t(Action::Count)> keys;
};
