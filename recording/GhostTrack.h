#pragma once

#include "Recording.h"
#include "entities/Vector3.h"

#include <cstdint>
#include <string>
#include <vector>

// Where a recorded game's ship flew and what it had made, frame by frame,
// by the time since its first frame: what a ghost of it shows beside a
// game played now. It is made by playing the recording through the game
// with no window before the game played now is built, so nothing of it
// reaches that game or its state.
class GhostTrack {
public:
    struct Sample {
        uint32_t elapsed = 0;   // ms on the game clock since the first frame
        Vector3 position;
        Vector3 forward;        // unit, the ship's nose
        Vector3 up;             // unit
        float points = 0.0f;
        bool gone = false;      // its game had ended: the points stand, the ship flies no more
    };

    // Plays the recording's first game; false with `error` when the file
    // diverges from its own hashes (and the track is then empty). The
    // process's field seed is as it was afterwards.
    bool play(const Recording& recording, std::string& error);
    void clear() { samples.clear(); }
    bool empty() const { return samples.empty(); }
    // The last sample at or before `elapsed`; the first before it; null when empty.
    const Sample* at(uint32_t elapsed) const;
    // The recorded game's points at its end.
    float finalPoints() const { return samples.empty() ? 0.0f : samples.back().points; }

private:
    std::vector<Sample> samples;
};
