#include "StateHash.h"

#include "entities/EnemyShip.h"
#include "entities/MyShip.h"
#include "game/Game.h"
#include "world/World.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace {

// FNV-1a, 64 bits: simple, and every bit of the input counts.
class Fnv {
public:
    void bytes(const void* data, size_t size) {
        const auto* p = static_cast<const uint8_t*>(data);
        for (size_t i = 0; i < size; ++i) {
            value ^= p[i];
            value *= 1099511628211ull;
        }
    }
    void number(float f) { bytes(&f, sizeof f); }
    void number(int32_t i) { bytes(&i, sizeof i); }
    void vector(const Vector3& v) {
        number(v.x);
        number(v.y);
        number(v.z);
    }
    uint64_t value = 14695981039346656037ull;
};

}

uint64_t stateHash(const Game& game) {
    Fnv h;
    const MyShip& ship = *game.myShip;
    h.bytes(ship.getFrame().m, sizeof ship.getFrame().m);
    h.number(ship.getSpeed());
    h.number(ship.getEnergy());
    h.number(ship.getPoints());
    h.number(ship.getYawRate());
    h.number(ship.getPitchRate());
    // Only an aiming game has a mark: the design's games hash as they always did.
    if (game.rules.steering == Steering::Aim) {
        h.number(game.aim.x());
        h.number(game.aim.y());
    }
    for (const SpaceObject* object : game.world->objects) {
        h.number(object->getWorldId());
        h.vector(object->getPosition());
        h.vector(object->getDirection());
        h.number(object->getEnergy());
    }
    for (const EnemyShip* enemy : game.enemies) {
        h.bytes(enemy->getFrame().m, sizeof enemy->getFrame().m);
        h.number(enemy->getSpeed());
        h.number(int32_t(enemy->behaviourState));
    }
    if (game.hasWaves()) h.number(int32_t(game.waves.number()));
    return h.value;
}

std::string summaryLine(uint32_t frames, const Game& game) {
    char line[240];
    int n = std::snprintf(line, sizeof line, "frames %" PRIu32 ", points %.0f, power %.0f, state %016" PRIx64, frames,
                          double(game.myShip->getPoints()), double(std::max(game.myShip->getEnergy(), 0.0f)),
                          stateHash(game));
    if (game.hasWaves() && n > 0 && size_t(n) < sizeof line)
        std::snprintf(line + n, sizeof line - size_t(n), ", mode %s, seed %" PRIu32 ", wave %u", modeName(game.rules.mode),
                      game.seed, game.waves.number());
    return line;
}
