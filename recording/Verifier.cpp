#include "Verifier.h"

#include "game/Game.h"
#include "game/StateHash.h"
#include "entities/Asteroid.h"

constexpr uint32_t CHECK_EVERY = 60;   // frames between the hashes a recording holds

Verifier::Verifier(const Recording& r) : recording(r) {}

Verifier::~Verifier() = default;

void Verifier::newGame() {
    Asteroid::fieldSeed = recording.seed;
    SoundChoice silent;
    silent.enabled = false;
    auto next = std::make_unique<Game>(nullptr, silent, false, recording.rules);
    next->populate();
    if (game) next->holdKeys(game->keySteering);
    game = std::move(next);
    ++games;
}

bool Verifier::diverge() {
    diverged = played > 0 ? played : 1;
    return false;
}

bool Verifier::run() {
    newGame();
    const auto& entries = recording.entries;
    for (size_t i = 0; i < entries.size(); ++i) {
        const Recording::Entry& entry = entries[i];
        if (entry.kind == Recording::Entry::NewGame) {
            // Play again comes only from the game-over screen.
            if (!game->over()) return diverge();
            newGame();
            continue;
        }
        // A hash that no frame's end took, or a frame after the game ended.
        if (entry.kind != Recording::Entry::Frame || game->over()) return diverge();
        game->step(entry.input, entry.frameTime, entry.clock);
        ++played;
        if (afterStep) afterStep(*game, games, entry.clock);
        const Recording::Entry* next = i + 1 < entries.size() ? &entries[i + 1] : nullptr;
        if (!next) break;
        const bool checksum = next->kind == Recording::Entry::Checksum && next->frame == played;
        if (!checksum && played % CHECK_EVERY != 0) continue;
        if (!checksum || next->hash != stateHash(*game)) return diverge();
        ++i;
    }
    return true;
}

std::string Verifier::summary() const {
    return game ? summaryLine(played, *game) : "";
}
