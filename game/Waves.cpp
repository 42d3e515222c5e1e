#include "Waves.h"

#include "Game.h"

#include "entities/EnemyShip.h"
#include "entities/MyShip.h"
#include "entities/Random.h"
#include "world/World.h"

#include <cmath>

namespace {

constexpr int CORNERS = 8;

// Corner k of the box that holds the rocks, k's three bits choosing high or
// low in x, y and z.
Vector3 corner(int k) {
    Vector3 low, high;
    Game::fieldBounds(low, high);
    return Vector3((k & 1) ? high.x : low.x, (k & 2) ? high.y : low.y, (k & 4) ? high.z : low.z);
}

}

float Waves::sharpness(unsigned n) const {
    const float s = std::pow(tuning.sharpening, float(n > 0 ? n - 1 : 0));
    return s < tuning.sharpest ? s : tuning.sharpest;
}

void Waves::enter(World& world, const MyShip& player) {
    ++wave;
    // The corners in an order drawn from the game's random sequence, so that
    // every replay brings each ship where it came first. The first four
    // stand apart on the radar too (corners above one another share a
    // place there); the next four take the same columns at the other
    // height. Two ships never share a place: past eight, the next round
    // stands a quarter further out.
    constexpr int COLUMNS = CORNERS / 2;
    int column[COLUMNS];
    for (int k = 0; k < COLUMNS; ++k) column[k] = k;
    for (int k = COLUMNS - 1; k > 0; --k) {
        const int j = randomInRange(0, k);
        const int t = column[k];
        column[k] = column[j];
        column[j] = t;
    }
    const int firstHeight = randomInRange(0, 1);
    const float sharp = sharpness(wave);
    const unsigned ships = wave + 1;
    for (unsigned i = 0; i < ships; ++i) {
        const int c = column[i % COLUMNS];
        const int high = int((i / COLUMNS) % 2) ^ firstHeight;
        const int k = (c & 1) | (high << 1) | ((c >> 1) << 2);
        const Vector3 at = corner(k) * (1.0f + 0.25f * float(i / CORNERS));
        Vector3 heading = player.getPosition() - at;
        heading = heading.length() > 0.0f ? heading.normalized() : Vector3(0, 0, 1);
        auto* ship = new EnemyShip("../bin/data/Ships/xwingPart1.ms3d", at, heading, 12.0f, 5.0f,
                                   Vector3(0.05f, 0.05f, 0.05f), 100.0f, &world);
        ship->turnRate = sharp;
        ship->fireOdds = static_cast<int>(std::lround(500.0f / sharp));
    }
}

bool Waves::clearIfDone(World& world, MyShip& player, const std::vector<EnemyShip*>& enemies) {
    if (!enemies.empty() || wave == 0) return false;
    player.addPoints(tuning.bonusPoints * float(wave));
    player.setEnergy(static_cast<int>(player.getEnergy() + tuning.bonusPower));
    enter(world, player);
    return true;
}
