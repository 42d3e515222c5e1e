#include "GhostTrack.h"

#include "Verifier.h"

#include "entities/Asteroid.h"
#include "entities/MyShip.h"
#include "game/Game.h"

#include <algorithm>

bool GhostTrack::play(const Recording& recording, std::string& error) {
    samples.clear();
    const std::optional<uint32_t> seed = Asteroid::fieldSeed;
    Verifier verifier(recording);
    uint32_t first = 0;
    verifier.afterStep = [&](const Game& game, unsigned gameNumber, uint32_t clock) {
        if (gameNumber != 1) return;
        if (samples.empty()) first = clock;
        const MyShip& ship = *game.myShip;
        const Matrix4& frame = ship.getFrame();
        samples.push_back({clock - first, ship.getPosition(), frame.column(2).normalized(),
                           frame.column(1).normalized(), ship.getPoints(), game.over()});
    };
    const bool played = verifier.run();
    // A frame past its last the recorded game is over, even one quit before its end.
    if (!samples.empty()) {
        const uint32_t frame = samples.size() > 1 ? samples.back().elapsed - samples[samples.size() - 2].elapsed : 1;
        samples.push_back(samples.back());
        samples.back().elapsed += std::max<uint32_t>(frame, 1);
        samples.back().gone = true;
    }
    Asteroid::fieldSeed = seed;
    if (!played) {
        samples.clear();
        error = "diverges from its own record at frame " + std::to_string(verifier.divergedAt());
    }
    return played;
}

const GhostTrack::Sample* GhostTrack::at(uint32_t elapsed) const {
    if (samples.empty()) return nullptr;
    auto after = std::upper_bound(samples.begin(), samples.end(), elapsed,
                                  [](uint32_t t, const Sample& s) { return t < s.elapsed; });
    return after == samples.begin() ? &samples.front() : &*(after - 1);
}
