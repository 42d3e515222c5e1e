#pragma once

#include <cstdint>

// What a game is played by, beside its seed: chosen before it starts, kept
// in its recording, the same for every new game of one run.
enum class Mode : uint8_t { Classic, Waves, Daily, Count };
// Rates: the pointer adds to the ship's turn rates. Aim: the pointer moves a
// mark the ship turns onto.
enum class Steering : uint8_t { Rates, Aim, Count };

struct GameRules {
    Mode mode = Mode::Classic;
    Steering steering = Steering::Rates;
    bool operator==(const GameRules& o) const { return mode == o.mode && steering == o.steering; }
    bool operator!=(const GameRules& o) const { return !(*this == o); }
};
