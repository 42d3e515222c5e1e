#pragma once

#include "Recording.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class Game;

// Plays a recording through the game alone, with no window, no sound and no
// clock, as fast as the machine goes: each frame's record, frame time and
// game clock handed to the step, the state's hash compared wherever the
// file holds one, new games begun where the recorded ones were.
class Verifier {
public:
    explicit Verifier(const Recording& recording);
    ~Verifier();

    // Plays the whole file; false when it diverged (divergedAt says where).
    bool run();
    uint32_t frames() const { return played; }
    uint32_t divergedAt() const { return diverged; }
    // The line a replay of the same file ends with.
    std::string summary() const;

    // Called after every frame stepped, with the game, its number in the
    // file (1 the first) and the frame's game clock (ms).
    std::function<void(const Game&, unsigned, uint32_t)> afterStep;

private:
    void newGame();
    bool diverge();

    const Recording& recording;
    std::unique_ptr<Game> game;
    uint32_t played = 0;
    uint32_t diverged = 0;   // 0: none
    unsigned games = 0;      // begun so far
};
