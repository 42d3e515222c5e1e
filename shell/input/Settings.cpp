#include "Settings.h"

#include "platform/FileReader.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
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

}

std::string Settings::defaultPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') return std::string(config) + "/spacefight/settings.conf";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.config/spacefight/settings.conf";
    return "";
}

std::vector<std::string> Settings::read(const std::string& path, bool named) {
    if (path.empty()) return {};
    std::vector<uint8_t> bytes;
    std::string why;
    FileReader::Outcome outcome;
    if (!FileReader::read(path, FileReader::SETTINGS, bytes, why, outcome)) {
        if (outcome == FileReader::Outcome::Missing && !named) return {};   // no settings: the defaults
        return {path + ": cannot read the settings (" + why + "); using the defaults"};
    }
    return parse(path, std::string(bytes.begin(), bytes.end()));
}

std::vector<std::string> Settings::parse(const std::string& name, const std::string& text) {
    std::vector<std::string> warnings;
    size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string raw = text.substr(start, end - start);
        start = end + 1;
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
        auto bad = [&](const char* expected) {
            warnings.push_back(where + "bad value '" + value + "' for " + key + " (" + expected + "); keeping the default");
        };
        if (key == "pointer_sensitivity") {
            if (!parseDecimal(value, 0.1f, 10.0f, pointerSensitivity)) bad("0.1 to 10");
        } else if (key == "invert_pitch") {
            if (!parseSwitch(value, invertPitch)) bad("on or off");
        } else if (key == "turn_marker") {
            if (!parseSwitch(value, turnMarker)) bad("on or off");
        } else if (key == "effects_volume") {
            if (!parseWhole(value, 0, 100, effectsVolume)) bad("0 to 100");
        } else if (key == "music_volume") {
            if (!parseWhole(value, 0, 100, musicVolume)) bad("0 to 100");
        } else if (key == "gamepad_dead_zone") {
            if (!parseWhole(value, 0, 90, deadZone)) bad("0 to 90");
        } else if (key == "window_mode") {
            if (value == "window") window = true;
            else if (value == "fullscreen") window = false;
            else bad("window or fullscreen");
        } else if (key == "frame_cap") {
            if (!parseSwitch(value, frameCap)) bad("on or off");
        } else if (key == "show_stats") {
            if (!parseSwitch(value, showStats)) bad("on or off");
        } else if (key.compare(0, 4, "key.") == 0 && KeyBindings::actionNamed(key.substr(4)) != Action::Count) {
            std::vector<Key> newKeys;
            std::istringstream words(value);
            std::string word;
            bool known = true;
            while (words >> word) {
                const Key k = KeyBindings::keyNamed(word);
                if (k == NO_KEY) {
                    warnings.push_back(where + "unknown key '" + word + "' for " + key + "; keeping the default");
                    known = false;
                    break;
                }
                newKeys.push_back(k);
            }
            if (!known) continue;
            if (newKeys.empty()) {
                bad("one or more key names");
                continue;
            }
            std::string clash;
            if (!keys.bind(KeyBindings::actionNamed(key.substr(4)), newKeys, clash))
                warnings.push_back(where + key + ": " + clash + "; keeping the default");
        } else {
            warnings.push_back(where + "unknown setting '" + key + "'");
        }
    }
    return warnings;
}

std::string Settings::example() const {
    std::ostringstream out;
    out << "# spacefight settings: key = value, # starts a comment.\n"
        << "pointer_sensitivity = " << pointerSensitivity << "   # 0.1 to 10\n"
        << "invert_pitch = " << onOff(invertPitch) << "\n"
        << "turn_marker = " << onOff(turnMarker) << "   # the turn rates shown about the crosshair\n"
        << "effects_volume = " << effectsVolume << "   # percent\n"
        << "music_volume = " << musicVolume << "   # percent\n"
        << "gamepad_dead_zone = " << deadZone << "   # percent of a stick's travel\n"
        << "window_mode = " << (window ? "window" : "fullscreen") << "   # or window\n"
        << "frame_cap = " << onOff(frameCap) << "   # at most 70 frames a second\n"
        << "show_stats = " << onOff(showStats) << "   # the fps and draw-mode lines at start\n";
    for (size_t a = 0; a < size_t(Action::Count); ++a) {
        out << "key." << KeyBindings::actionName(Action(a)) << " =";
        for (Key k : keys.keysOf(Action(a))) out << ' ' << KeyBindings::keyName(k);
        out << "\n";
    }
    return out.str();
}
