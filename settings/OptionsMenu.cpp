#include "OptionsMenu.h"

#include <algorithm>
#include <cmath>

namespace {

enum class Kind { Steering, Sensitivity, Percent, DeadZone, Switch, Mode, KeysPage };

struct Entry {
    const char* label;
    Kind kind;
    int Settings::*number;
    bool Settings::*flag;
    unsigned change;
};

const Entry ENTRIES[] = {
    {"pointer sensitivity", Kind::Sensitivity, nullptr, nullptr, OptionsMenu::Pointer},
    {"steering", Kind::Steering, nullptr, nullptr, OptionsMenu::Steering},
    {"invert pitch", Kind::Switch, nullptr, &Settings::invertPitch, OptionsMenu::Drawn},
    {"turn-rate marker", Kind::Switch, nullptr, &Settings::turnMarker, OptionsMenu::Drawn},
    {"music volume", Kind::Percent, &Settings::musicVolume, nullptr, OptionsMenu::Sound},
    {"effects volume", Kind::Percent, &Settings::effectsVolume, nullptr, OptionsMenu::Sound},
    {"music", Kind::Switch, nullptr, &Settings::musicOn, OptionsMenu::Sound},
    {"gamepad dead zone", Kind::DeadZone, &Settings::deadZone, nullptr, OptionsMenu::Drawn},
    {"display", Kind::Mode, nullptr, &Settings::window, OptionsMenu::Display},
    {"frame cap", Kind::Switch, nullptr, &Settings::frameCap, OptionsMenu::FrameCap},
    {"stats lines", Kind::Switch, nullptr, &Settings::showStats, OptionsMenu::Stats},
    {"start screen", Kind::Switch, nullptr, &Settings::startScreen, OptionsMenu::Drawn},
    {"target box", Kind::Switch, nullptr, &Settings::targetBox, OptionsMenu::Drawn},
    {"enemy arrow", Kind::Switch, nullptr, &Settings::enemyArrow, OptionsMenu::Drawn},
    {"hit flash", Kind::Switch, nullptr, &Settings::hitFlash, OptionsMenu::Drawn},
    {"dials", Kind::Switch, nullptr, &Settings::dials, OptionsMenu::Drawn},
    {"field arrow", Kind::Switch, nullptr, &Settings::fieldArrow, OptionsMenu::Drawn},
    {"keys...", Kind::KeysPage, nullptr, nullptr, OptionsMenu::Nothing},
};
constexpr size_t ENTRY_COUNT = sizeof ENTRIES / sizeof *ENTRIES;

// Fine steps where a small change is felt, coarse ones above.
const float SENSITIVITIES[] = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f, 1.2f, 1.4f, 1.6f,
                               1.8f, 2.0f, 2.5f, 3.0f, 3.5f, 4.0f, 4.5f, 5.0f, 6.0f, 7.0f, 8.0f, 9.0f, 10.0f};

// A value from the file may lie between two steps: the next step on is the
// first past it.
float stepSensitivity(float now, int direction) {
    const float near = 0.001f;
    if (direction > 0) {
        for (float s : SENSITIVITIES) if (s > now + near) return s;
        return SENSITIVITIES[std::size(SENSITIVITIES) - 1];
    }
    for (size_t i = std::size(SENSITIVITIES); i-- > 0;) if (SENSITIVITIES[i] < now - near) return SENSITIVITIES[i];
    return SENSITIVITIES[0];
}

std::string label(Action action) {
    std::string name = KeyBindings::actionName(action);
    std::replace(name.begin(), name.end(), '_', ' ');
    return name;
}

std::string padded(const std::string& text, size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

}

OptionsMenu::OptionsMenu(Settings& settings) : settings(settings) {}

void OptionsMenu::open() {
    keysPage = waiting = false;
    choice = 0;
    note.clear();
}

size_t OptionsMenu::entries() const {
    return keysPage ? size_t(Action::Count) + 2 : ENTRY_COUNT;   // the keys page ends with defaults and back
}

unsigned OptionsMenu::press(Key key) {
    static const Key up = KeyBindings::keyNamed("up"), down = KeyBindings::keyNamed("down"),
                     left = KeyBindings::keyNamed("left"), right = KeyBindings::keyNamed("right");
    // Escape goes back one step: from a key asked for to the keys page, from
    // there to the first page, and only from that out of the options (a new
    // player's second Escape once quit a game of 240 points).
    if (key == ESCAPE && waiting) {
        waiting = false;
        note.clear();
        return Nothing;
    }
    if (key == ESCAPE && keysPage) {
        keysPage = false;
        choice = ENTRY_COUNT - 1;
        note.clear();
        return Nothing;
    }
    if (key == ESCAPE) {
        open();
        return Closed;
    }
    if (waiting) return bind(key);
    note.clear();
    // Wrapping: from the last entry down comes the first, as on the keys page's long list.
    if (key == up) choice = (choice + entries() - 1) % entries();
    else if (key == down) choice = (choice + 1) % entries();
    else if (key == left) return change(-1);
    else if (key == right) return change(1);
    else if (key == ENTER) return enter();
    return Nothing;
}

unsigned OptionsMenu::change(int direction) {
    if (keysPage) return Nothing;
    const Entry& e = ENTRIES[choice];
    switch (e.kind) {
    case Kind::Sensitivity:
        settings.pointerSensitivity = stepSensitivity(settings.pointerSensitivity, direction);
        break;
    case Kind::Percent: settings.*e.number = std::clamp(settings.*e.number + 10 * direction, 0, 100); break;
    case Kind::DeadZone: settings.*e.number = std::clamp(settings.*e.number + 5 * direction, 0, 90); break;
    case Kind::Switch:
    case Kind::Mode: settings.*e.flag = !(settings.*e.flag); break;
    case Kind::Steering:
        settings.steering = settings.steering == Steering::Aim ? Steering::Rates : Steering::Aim;
        break;
    case Kind::KeysPage: return Nothing;
    }
    return e.change;
}

unsigned OptionsMenu::enter() {
    if (!keysPage) {
        if (ENTRIES[choice].kind == Kind::KeysPage) {
            keysPage = true;
            choice = 0;
            return Nothing;
        }
        const Kind kind = ENTRIES[choice].kind;
        return kind == Kind::Switch || kind == Kind::Mode || kind == Kind::Steering ? change(1) : Nothing;
    }
    if (choice < size_t(Action::Count)) {
        waiting = true;
        return Nothing;
    }
    if (choice == size_t(Action::Count)) {
        settings.keys.restoreDefaults();
        note = "every key is back as the game has it";
        return Keys;
    }
    keysPage = false;
    choice = ENTRY_COUNT - 1;
    return Nothing;
}

unsigned OptionsMenu::bind(Key key) {
    const Action action = Action(choice);
    if (key == ENTER) {
        note = "Enter always plays again; press another key";
        return Nothing;
    }
    // Caps Lock or Shift must not bind a letter the game never sees unshifted.
    if (key >= 'A' && key <= 'Z') key += 'a' - 'A';
    waiting = false;
    const Action loser = settings.keys.bind(action, {key});
    note = KeyBindings::keyName(key) + " now does " + label(action);
    if (loser != Action::Count) note += "; " + label(loser) + " lost it and has " + settings.keys.describe(loser);
    return Keys;
}

std::vector<std::string> OptionsMenu::lines() const {
    std::vector<std::string> out;
    out.push_back(keysPage ? "OPTIONS - KEYS" : "OPTIONS");
    auto line = [&](size_t i, const std::string& name, const std::string& value) {
        out.push_back((i == choice ? "> " : "  ") + padded(name, 22) + value);
    };
    if (keysPage) {
        for (size_t a = 0; a < size_t(Action::Count); ++a)
            line(a, label(Action(a)), waiting && a == choice ? "..." : settings.keys.describe(Action(a)));
        line(size_t(Action::Count), "defaults", "");
        line(size_t(Action::Count) + 1, "back", "");
    } else {
        for (size_t i = 0; i < ENTRY_COUNT; ++i) {
            const Entry& e = ENTRIES[i];
            std::string value;
            switch (e.kind) {
            case Kind::Sensitivity: value = settings.valueText("pointer_sensitivity"); break;
            case Kind::Percent:
            case Kind::DeadZone: value = std::to_string(settings.*e.number) + "%"; break;
            case Kind::Switch: value = settings.*e.flag ? "on" : "off"; break;
            case Kind::Mode: value = settings.window ? "window" : "full screen"; break;
            case Kind::Steering: value = Settings::steeringName(settings.steering); break;
            case Kind::KeysPage: break;
            }
            line(i, e.label, value);
        }
    }
    if (waiting) out.push_back("press the key for " + label(Action(choice)) + "; Escape leaves");
    else if (!note.empty()) out.push_back(note);
    return out;
}

unsigned OptionsMenu::navigate(Key key) {
    if (waiting) {
        waiting = false;
        if (key == ESCAPE) return Nothing;
    }
    return press(key);
}
