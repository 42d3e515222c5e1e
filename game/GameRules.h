#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What a game is played by, beside its seed: chosen before it starts, kept
// in its recording, the same for every new game of one run.
enum class Mode : uint8_t { Classic, Waves, Daily, Count };
// Rates: the pointer adds to the ship's turn rates. Aim: the pointer moves a
// mark the ship turns onto.
enum class Steering : uint8_t { Rates, Aim, Count };

// "classic", "waves", "daily": the names the command line and the settings use.
inline const char* modeName(Mode mode) {
    static const char* const NAMES[] = {"classic", "waves", "daily"};
    return mode < Mode::Count ? NAMES[size_t(mode)] : "classic";
}
// False, leaving `mode` alone, for a name that is none of them.
inline bool modeFromName(const std::string& name, Mode& mode) {
    for (uint8_t m = 0; m < uint8_t(Mode::Count); ++m) {
        if (name == modeName(Mode(m))) return mode = Mode(m), true;
    }
    return false;
}

struct GameRules {
    Mode mode = Mode::Classic;
    Steering steering = Steering::Rates;
    bool operator==(const GameRules& o) const { return mode == o.mode && steering == o.steering; }
    bool operator!=(const GameRules& o) const { return !(*this == o); }
};
