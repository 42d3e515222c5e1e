#pragma once

#include "game/GameRules.h"
#include "recording/GhostTrack.h"
#include "recording/Recording.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Game;

// The player's best game of a mode flown again beside the game played now:
// the game in play is kept as a recording as it goes, the best of each mode
// is saved as one in the data folder, and before a game begins the kept best
// (or a challenge's game) is played without a window into the track the
// ghost follows. Nothing of it reaches the game played: no collision, no
// shot, nothing in its state.
class Ghost {
public:
    // A game begins with this seed and these rules: its recording starts anew.
    void begin(uint32_t seed, const GameRules& rules);
    // Each frame of the game in play, and its hash where a recording holds one.
    void frame(uint32_t clock, float frameTime, const InputRecord& input);
    void endFrame(const Game& game);
    // The game in play, saved as a recording at `path`; false with `why`.
    bool save(const std::string& path, std::string& why) const;

    // The ghost of the next game: the kept best of `mode` at `path` (of the
    // day's seed alone for the daily game); none when there is no such
    // file, or it is damaged, diverges or is another mode's. A challenge's
    // game stands instead of any kept best.
    void prepare(const std::string& path, Mode mode, std::optional<uint32_t> daySeed);
    // A challenge: its recording read and checked; false with `error`.
    bool challenge(const Recording& recording, std::string& error);
    bool challenged() const { return challenging; }
    // Shown or not (the setting), for the games from now on.
    void show(bool on) { shown = on; }

    // Where the ghost is at the frame of this game clock (ms), or null.
    const GhostTrack::Sample* now(uint32_t clock) const;
    // The challenge's (or the best's) points at its end.
    float finalPoints() const { return track.finalPoints(); }
    bool following() const { return !track.empty(); }

    // The data folder's name for the kept best of a mode, "" without a folder.
    static std::string bestPath(Mode mode);

private:
    // The game in play, its entries as a file holds them: kept as records
    // it would take half a megabyte a minute.
    uint32_t keptSeed = 0;
    GameRules keptRules;
    std::vector<uint8_t> keptEntries;
    uint32_t keptFrames = 0;
    bool checkedLast = false;   // the last entry kept is a hash
    std::optional<uint32_t> firstClock;   // the game in play's first frame
    GhostTrack track;
    bool challenging = false;
    bool shown = true;
};
