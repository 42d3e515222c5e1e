#pragma once

#include <cstdint>
#include <vector>

class EnemyShip;
class MyShip;
class World;

// The numbers of the score attack. Each wave's ships are sharper than the
// last's by `sharpening`, up to `sharpest` times the design's ship: they turn
// faster and fire more often, by the same steps. Played by stand-ins
// (bench/WaveTrial), these end a new player's game in wave 3 or 4 and a good
// one's about wave 8; ships only a tenth sharper a wave, up to twice, let the
// good one play on past wave 14, since every kill pays back eight hits.
struct WaveTuning {
    float bonusPoints = 50.0f;   // per wave number, for clearing it
    float bonusPower = 50.0f;    // for clearing a wave
    float rockPoints = 10.0f;    // for each rock destroyed
    float sharpening = 1.8f;     // a wave's sharpness over the last one's
    float sharpest = 4.0f;       // times the design's turn rate and firing odds: wave 4 on
};

// The waves of a score attack: wave n brings n + 1 enemy ships, each at a
// corner of the rock field; a ship destroyed stays gone until its wave is
// cleared, and clearing it pays a bonus and brings the next.
class Waves {
public:
    explicit Waves(const WaveTuning& tuning = WaveTuning()) : tuning(tuning) {}

    unsigned number() const { return wave; }   // the wave in play, 1 the first; 0 before it
    // How much sharper than the design's ship the ships of `wave` are: 1 for
    // the first wave.
    float sharpness(unsigned wave) const;
    // Brings the next wave into the world, its ships heading for the player.
    void enter(World& world, const MyShip& player);
    // After the destruction pass: once the wave's ships are all gone, pays
    // the bonus to the player and brings the next wave. True when it did.
    bool clearIfDone(World& world, MyShip& player, const std::vector<EnemyShip*>& enemies);

    const WaveTuning tuning;

private:
    unsigned wave = 0;
};
