#include "KeyBindings.h"

#include <algorithm>
#include <cctype>

namespace {

struct Named {
    const char* name;
    Key key;
};

const Named SPECIAL_NAMES[] = {
    {"f1", keyF(1)},   {"f2", keyF(2)},     {"f3", keyF(3)},
    {"f4", keyF(4)},   {"f5", keyF(5)},     {"f6", keyF(6)},
    {"f7", keyF(7)},   {"f8", keyF(8)},     {"f9", keyF(9)},
    {"f10", keyF(10)}, {"f11", keyF(11)},   {"f12", keyF(12)},
    {"up", KEY_UP},   {"down", KEY_DOWN}, {"left", KEY_LEFT},
    {"right", KEY_RIGHT}, {"pageup", KEY_PAGE_UP},
    {"pagedown", KEY_PAGE_DOWN}, {"home", KEY_HOME}, {"end", KEY_END},
    {"insert", KEY_INSERT}, {"delete", 127}, {"space", ' '}, {"tab", '\t'}, {"backspace", 8},
    {"escape", 27}, {"mouse1", MOUSE_LEFT}, {"mouse2", MOUSE_MIDDLE},
    {"mouse3", MOUSE_RIGHT},
};

const char* const ACTION_NAMES[] = {
    "steer_up", "steer_down", "steer_left", "steer_right",
    "throttle_up", "throttle_down", "full_throttle", "full_stop", "straighten",
    "fire", "pause", "view", "draw_models", "draw_lists", "draw_arrays", "shading", "stats", "help",
    "music_up", "music_down", "effects_up", "effects_down", "music_on_off", "quit", "options",
    "steering", "screenshot",
};
static_assert(sizeof ACTION_NAMES / sizeof *ACTION_NAMES == size_t(Action::Count), "a name for every action");

}

KeyBindings::KeyBindings() {
    auto set = [&](Action a, std::vector<Key> k) { keys[size_t(a)] = std::move(k); };
    set(Action::SteerUp, {KEY_UP});
    set(Action::SteerDown, {KEY_DOWN});
    set(Action::SteerLeft, {KEY_LEFT});
    set(Action::SteerRight, {KEY_RIGHT});
    set(Action::ThrottleUp, {'a'});
    set(Action::ThrottleDown, {'y', 'z'});   // "y" where the design has it; "z" where most keyboards have it
    set(Action::FullThrottle, {KEY_PAGE_UP});
    set(Action::FullStop, {KEY_PAGE_DOWN});
    set(Action::Straighten, {'c'});
    set(Action::Fire, {MOUSE_LEFT});
    set(Action::Pause, {'p'});
    set(Action::View, {keyF(2)});
    set(Action::DrawModels, {keyF(3)});
    set(Action::DrawLists, {keyF(4)});
    set(Action::DrawArrays, {keyF(5)});
    set(Action::Shading, {keyF(6)});
    set(Action::Stats, {keyF(1)});
    set(Action::Help, {'h', keyF(10)});
    set(Action::MusicUp, {'+', '='});
    set(Action::MusicDown, {'-'});
    set(Action::EffectsUp, {']'});
    set(Action::EffectsDown, {'['});
    set(Action::MusicOnOff, {'m'});
    set(Action::Quit, {ESCAPE});
    set(Action::Options, {'o'});
    set(Action::SwitchSteering, {'s'});
    set(Action::Screenshot, {keyF(12)});
}

Action KeyBindings::actionOf(Key key) const {
    // No bindings may leave the game without a way out or into the options
    // (every action bound to Space once left only the window's close button):
    // Escape always quits, or closes a screen, and "o" opens the options
    // while no other key does.
    if (key == ESCAPE) return Action::Quit;
    if (key == OPTIONS_AT_LEAST && keysOf(Action::Options).empty()) return Action::Options;
    for (size_t a = 0; a < keys.size(); ++a) {
        for (Key k : keys[a]) {
            if (k == key) return Action(a);
        }
    }
    return Action::Count;
}

Action KeyBindings::bind(Action action, const std::vector<Key>& wanted) {
    if (size_t(action) >= size_t(Action::Count)) return Action::Count;
    std::vector<Key> newKeys;
    for (Key k : wanted) {
        if (k == ENTER || k == NO_KEY) return Action::Count;
        if (std::find(newKeys.begin(), newKeys.end(), k) == newKeys.end()) newKeys.push_back(k);
    }
    std::vector<Key> givenUp;
    for (Key k : keys[size_t(action)]) {
        if (std::find(newKeys.begin(), newKeys.end(), k) == newKeys.end()) givenUp.push_back(k);
    }
    Action loser = Action::Count;
    for (Key k : newKeys) {
        const Action other = actionOf(k);
        if (other == Action::Count || other == action) continue;
        // Escape, and "o" while the options have no key, stand for their
        // actions without being bound to them: then no key changes hands.
        std::vector<Key>& theirs = keys[size_t(other)];
        const auto at = std::find(theirs.begin(), theirs.end(), k);
        if (at == theirs.end()) continue;
        theirs.erase(at);
        if (loser == Action::Count) loser = other;
    }
    // Only the first loser is given the keys, so no key ever does two actions.
    if (loser != Action::Count) {
        std::vector<Key>& theirs = keys[size_t(loser)];
        theirs.insert(theirs.end(), givenUp.begin(), givenUp.end());
    }
    keys[size_t(action)] = newKeys;
    return loser;
}

const char* KeyBindings::actionName(Action action) {
    return size_t(action) < size_t(Action::Count) ? ACTION_NAMES[size_t(action)] : "";
}

Action KeyBindings::actionNamed(const std::string& name) {
    for (size_t a = 0; a < size_t(Action::Count); ++a) {
        if (name == ACTION_NAMES[a]) return Action(a);
    }
    return Action::Count;
}

std::string KeyBindings::keyName(Key key) {
    for (const Named& n : SPECIAL_NAMES) {
        if (n.key == key) return n.name;
    }
    // '#' would start a comment in the settings file: it goes by number.
    if (key > ' ' && key < 127 && key != '#') return std::string(1, char(key));
    return "key" + std::to_string(key);
}

Key KeyBindings::keyNamed(const std::string& name) {
    for (const Named& n : SPECIAL_NAMES) {
        if (name == n.name) return n.key;
    }
    // One printable character; letters in lower case, as the game tells
    // "a" from "A" and Caps Lock must not change what a key does.
    if (name.size() == 1 && name[0] > ' ' && name[0] < 127 && !std::isupper(static_cast<unsigned char>(name[0])))
        return name[0];
    // A key without a name, as keyName writes it, so whatever is bound can be written down and read back.
    if (name.size() > 3 && name.size() <= 6 && name.compare(0, 3, "key") == 0 &&
        name.find_first_not_of("0123456789", 3) == std::string::npos) {
        const Key k = std::stoi(name.substr(3));
        if (k != ENTER && k < BUTTON + 32 && keyName(k) == name) return k;
    }
    return NO_KEY;
}

std::string KeyBindings::describe(Action action) const {
    std::vector<Key> named = keysOf(action);
    if (action == Action::Quit && std::find(named.begin(), named.end(), ESCAPE) == named.end()) named.push_back(ESCAPE);
    if (action == Action::Options && named.empty()) named.push_back(OPTIONS_AT_LEAST);
    std::string text;
    for (Key k : named) text += (text.empty() ? "" : " or ") + keyName(k);
    return text.empty() ? "(none)" : text;
}
