#include "Settings.h"

#include "platform/FileReader.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace {

constexpr size_t LONGEST_LINE = 1000;

std::string trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    const size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

bool parseSwitch(const std::string& v, bool& out) {
    if (v == "on" || v == "yes" || v == "true" || v == "1") out = true;
    else if (v == "off" || v == "no" || v == "false" || v == "0") out = false;
    else return false;
    return true;
}

bool parseWhole(const std::string& v, int low, int high, int& out) {
    if (v.empty() || v.size() > 9 || v.find_first_not_of("0123456789") != std::string::npos) return false;
    const int n = std::atoi(v.c_str());
    if (n < low || n > high) return false;
    out = n;
    return true;
}

bool parseDecimal(const std::string& v, float low, float high, float& out) {
    if (v.empty() || v.size() > 12 || v.find_first_not_of("0123456789.") != std::string::npos) return false;
    char* end = nullptr;
    errno = 0;
    const float f = std::strtof(v.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(f) || f < low || f > high) return false;
    out = f;
    return true;
}

const char* onOff(bool b) {
    return b ? "on" : "off";
}

// The fewest digits that read back as the same number; never an exponent
// between 0.1 and 10.
std::string decimalText(float f) {
    char text[32];
    for (int digits = 2; digits <= 9; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, double(f));
        if (std::strtof(text, nullptr) == f) break;
    }
    return text;
}

struct Field {
    const char* name;
    enum Kind { Decimal, Whole, Switch, Mode, GameMode, Steer } kind;
    float Settings::*decimal;
    int Settings::*whole;
    bool Settings::*flag;
    int low, high;
    const char* comment;   // in the example file
    ::Mode Settings::*gameMode = nullptr;
};

const Field FIELDS[] = {
    {"pointer_sensitivity", Field::Decimal, &Settings::pointerSensitivity, nullptr, nullptr, 0, 0, "0.1 to 10"},
    {"invert_pitch", Field::Switch, nullptr, nullptr, &Settings::invertPitch, 0, 0, ""},
    {"steering", Field::Steer, nullptr, nullptr, nullptr, 0, 0, "rates or aim"},
    {"turn_marker", Field::Switch, nullptr, nullptr, &Settings::turnMarker, 0, 0, "the turn rates shown about the crosshair"},
    {"effects_volume", Field::Whole, nullptr, &Settings::effectsVolume, nullptr, 0, 100, "percent"},
    {"music_volume", Field::Whole, nullptr, &Settings::musicVolume, nullptr, 0, 100, "percent"},
    {"music", Field::Switch, nullptr, nullptr, &Settings::musicOn, 0, 0, "the music key switches it while playing"},
    {"gamepad_dead_zone", Field::Whole, nullptr, &Settings::deadZone, nullptr, 0, 90, "percent of a stick's travel"},
    {"window_mode", Field::Mode, nullptr, nullptr, &Settings::window, 0, 0, "fullscreen or window"},
    {"frame_cap", Field::Switch, nullptr, nullptr, &Settings::frameCap, 0, 0, "at most 70 frames a second"},
    {"show_stats", Field::Switch, nullptr, nullptr, &Settings::showStats, 0, 0, "the fps and draw-mode lines at start"},
    {"start_screen", Field::Switch, nullptr, nullptr, &Settings::startScreen, 0, 0, "the title screen before the first game"},
    {"target_box", Field::Switch, nullptr, nullptr, &Settings::targetBox, 0, 0, "the box about the enemy"},
    {"enemy_arrow", Field::Switch, nullptr, nullptr, &Settings::enemyArrow, 0, 0, "the arrow toward an enemy out of sight"},
    {"hit_flash", Field::Switch, nullptr, nullptr, &Settings::hitFlash, 0, 0, "the flash when the ship is hit"},
    {"dials", Field::Switch, nullptr, nullptr, &Settings::dials, 0, 0, "the speed and power dials"},
    {"field_arrow", Field::Switch, nullptr, nullptr, &Settings::fieldArrow, 0, 0, "the arrow back to the asteroid field"},
    {"mode", Field::GameMode, nullptr, nullptr, nullptr, 0, 0, "classic, waves or daily", &Settings::mode},
    {"ghost", Field::Switch, nullptr, nullptr, &Settings::ghost, 0, 0, "the best game of the mode flown beside yours"},
};

const Field* fieldNamed(const std::string& key) {
    for (const Field& f : FIELDS) {
        if (key == f.name) return &f;
    }
    return nullptr;
}

// The action of a "key.ACTION" setting; Action::Count for any other.
Action actionOfKey(const std::string& key) {
    return key.compare(0, 4, "key.") == 0 ? KeyBindings::actionNamed(key.substr(4)) : Action::Count;
}

}

const char* Settings::steeringName(Steering s) {
    return s == Steering::Aim ? "aim" : "rates";
}

std::string Settings::defaultPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') return std::string(config) + "/spacefight/settings.conf";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.config/spacefight/settings.conf";
    return "";
}

bool Settings::readFile(const std::string& path, std::string& text, bool& missing, std::string& why) {
    // The one reader of the game's files: regular files only, the size
    // checked on the open descriptor before anything is read.
    std::vector<uint8_t> bytes;
    FileReader::Outcome outcome;
    const bool read = FileReader::readAsGiven(path, FileReader::SETTINGS, bytes, why, outcome);
    missing = outcome == FileReader::Outcome::Missing;
    text.assign(bytes.begin(), bytes.end());
    return read;
}

std::vector<std::string> Settings::read(const std::string& path, bool named) {
    // With neither folder known there is no file to keep changes in: say so once.
    if (path.empty()) return {"neither XDG_CONFIG_HOME nor HOME is set: changes made in the game will not be saved"};
    std::string text, why;
    bool missing = false;
    if (readFile(path, text, missing, why)) return parse(path, text);
    if (missing && !named) return {};   // no settings: the defaults
    return {path + ": cannot read the settings (" + why + "); using the defaults"};
}

const std::vector<std::string>& Settings::keyNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const Field& f : FIELDS) all.push_back(f.name);
        for (size_t a = 0; a < size_t(Action::Count); ++a) all.push_back(std::string("key.") + KeyBindings::actionName(Action(a)));
        return all;
    }();
    return names;
}

std::string Settings::valueText(const std::string& key) const {
    if (const Field* f = fieldNamed(key)) {
        switch (f->kind) {
        case Field::Decimal: return decimalText(this->*f->decimal);
        case Field::Whole: return std::to_string(this->*f->whole);
        case Field::Switch: return onOff(this->*f->flag);
        case Field::Mode: return this->*f->flag ? "window" : "fullscreen";
        case Field::GameMode: return modeName(this->*f->gameMode);
        case Field::Steer: return steeringName(steering);
        }
    }
    const Action action = actionOfKey(key);
    if (action == Action::Count) return "";
    std::string text;
    for (Key k : keys.keysOf(action)) text += (text.empty() ? "" : " ") + KeyBindings::keyName(k);
    return text.empty() ? "none" : text;
}

std::string Settings::set(const std::string& key, const std::string& value) {
    auto bad = [&](const std::string& expected) { return "bad value '" + value + "' for " + key + " (" + expected + ")"; };
    if (const Field* f = fieldNamed(key)) {
        switch (f->kind) {
        case Field::Decimal:
            return parseDecimal(value, 0.1f, 10.0f, this->*f->decimal) ? "" : bad(f->comment);
        case Field::Whole:
            return parseWhole(value, f->low, f->high, this->*f->whole)
                       ? "" : bad(std::to_string(f->low) + " to " + std::to_string(f->high));
        case Field::Switch: return parseSwitch(value, this->*f->flag) ? "" : bad("on or off");
        case Field::Mode:
            if (value != "window" && value != "fullscreen") return bad("window or fullscreen");
            this->*f->flag = value == "window";
            return "";
        case Field::GameMode: return modeFromName(value, this->*f->gameMode) ? "" : bad(f->comment);
        case Field::Steer:
            if (value != "rates" && value != "aim") return bad(f->comment);
            steering = value == "aim" ? Steering::Aim : Steering::Rates;
            return "";
        }
    }
    const Action action = actionOfKey(key);
    if (action == Action::Count) return "unknown setting '" + key + "'";
    std::vector<Key> newKeys;
    if (value != "none") {
        std::istringstream words(value);
        std::string word;
        while (words >> word) {
            const Key k = KeyBindings::keyNamed(word);
            if (k == NO_KEY) return "unknown key '" + word + "' for " + key;
            newKeys.push_back(k);
        }
        if (newKeys.empty()) return bad("one or more key names, or none");
    }
    keys.bind(action, newKeys);
    return "";
}

std::vector<std::string> Settings::parse(const std::string& name, const std::string& text,
                                         std::vector<std::string>* lineKeys) {
    std::vector<std::string> warnings;
    if (lineKeys) lineKeys->clear();
    size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string raw = text.substr(start, end - start);
        start = end + 1;
        // Some editors begin a file with a byte-order mark: it is no part of the first setting.
        if (number == 1 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0) raw.erase(0, 3);
        if (lineKeys) lineKeys->emplace_back();
        const std::string where = name + ":" + std::to_string(number) + ": ";
        if (raw.size() > LONGEST_LINE) {
            warnings.push_back(where + "line too long; ignored");
            continue;
        }
        bool binary = false;
        for (unsigned char c : raw) binary |= (c < ' ' && c != '\t' && c != '\r') || c == 127;
        if (binary) {
            warnings.push_back(where + "not text; ignored");
            continue;
        }
        std::string line = raw;
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.resize(hash);
        line = trim(line);
        if (line.empty()) continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos) {
            warnings.push_back(where + "expected 'key = value'");
            continue;
        }
        const std::string key = trim(line.substr(0, eq)), value = trim(line.substr(eq + 1));
        const std::string wrong = set(key, value);
        if (wrong.empty()) {
            if (lineKeys) lineKeys->back() = key;
        } else {
            // What is kept may be an earlier line's value, not the default: say which.
            const std::string kept = valueText(key);
            warnings.push_back(where + wrong + (kept.empty() ? "" : "; keeping " + kept));
        }
    }
    // A file that is no settings file says so line by line: enough to see that.
    constexpr size_t MOST_WARNINGS = 20;
    if (warnings.size() > MOST_WARNINGS) {
        const size_t more = warnings.size() - MOST_WARNINGS;
        warnings.resize(MOST_WARNINGS);
        warnings.push_back(name + ": " + std::to_string(more) + " more warnings not shown");
    }
    return warnings;
}

std::string Settings::example() const {
    std::string out = "# spacefight settings: key = value, # starts a comment.\n";
    for (const Field& f : FIELDS)
        out += std::string(f.name) + " = " + valueText(f.name) + (*f.comment ? std::string("   # ") + f.comment : "") + "\n";
    for (size_t a = 0; a < size_t(Action::Count); ++a) {
        const std::string key = std::string("key.") + KeyBindings::actionName(Action(a));
        out += key + " = " + valueText(key) + "\n";
    }
    return out;
}
