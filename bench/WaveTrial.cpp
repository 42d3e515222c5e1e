// Plays score attacks without a window, faster than real time, by two stand-in
// players, to see which wave a tuning of the waves lets each of them reach.
// Both steer by aim, as a hand on the pointer would: they see the nearest
// enemy late, move the mark toward it at a hand's pace with a wandering
// error, and click while it looks near the crosshair.
//
//   wave_trial [--seeds N] [--first SEED] [--bonus-points P] [--bonus-power P]
//              [--rock-points P] [--sharpening S] [--sharpest S] [--minutes M]
//              [--new|--good late,gain,reach,wobble,cone,click,cruise]
//
// Each line: the player, the wave each seed's game ended in, and the median
// wave, points, minutes played and share of shots that struck.

#include "entities/Asteroid.h"
#include "entities/EnemyShip.h"
#include "entities/MyShip.h"
#include "game/Game.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <random>
#include <string>
#include <vector>

namespace {

struct Hand {
    const char* name;
    int lateFrames;     // what is seen is acted on this many frames later
    float gain;         // per second: how much of the way to the target the pointer closes
    float reach;        // view units a second the pointer moves at most
    float wobble;       // view units: how far the aim wanders off the target
    float cone;         // view units: clicks while the target looks this near the crosshair
    int clickFrames;    // frames between clicks at least
    float cruise;       // the speed held with the throttle
};

// A new player: a third of a second late, a slow hand whose aim wanders
// about 8 degrees, clicking at anything near the crosshair three or four
// times a second. A good one: a fifth of a second, quicker, 3 degrees,
// clicking only on target six times a second, faster through the field.
Hand newPlayer{"new", 25, 3.0f, 1.0f, 0.15f, 0.2f, 20, 10.0f};
Hand goodPlayer{"good", 13, 6.0f, 3.0f, 0.05f, 0.06f, 12, 20.0f};

struct Result {
    unsigned wave;
    float points;
    float minutes;
    float struck;   // of the player's shots, the share that struck
};

constexpr float FRAME = 1.0f / 70.0f;

// Where `at` shows on the player's view, in the aim mark's units; a point
// behind or far beside the view is held at its edge, in its direction.
void onView(const MyShip& ship, const Vector3& at, float& x, float& y) {
    const Matrix4& f = ship.getFrame();
    const Vector3 to = at - ship.getPosition();
    const float side = dot(to, f.column(0)), up = dot(to, f.column(1)), ahead = dot(to, f.column(2));
    if (ahead > 0.05f * to.length()) {
        x = side / ahead;
        y = -up / ahead;
    } else {
        const float l = std::max(std::sqrt(side * side + up * up), 1e-6f);
        x = side / l * 10.0f;
        y = -up / l * 10.0f;
    }
    x = std::clamp(x, -AimMark::LIMIT_X, AimMark::LIMIT_X);
    y = std::clamp(y, -AimMark::LIMIT_Y, AimMark::LIMIT_Y);
}

Result play(const Hand& hand, uint32_t seed, const WaveTuning& tuning, float minutes) {
    SoundChoice silent;
    silent.enabled = false;
    GameRules rules;
    rules.mode = Mode::Waves;
    rules.steering = Steering::Aim;
    Asteroid::fieldSeed = seed;
    Game game(nullptr, silent, false, rules, tuning);
    game.populate();
    Asteroid::fieldSeed.reset();
    std::mt19937 random(seed * 7919u + 1u);
    std::normal_distribution<float> gauss(0.0f, 1.0f);
    std::deque<Vector3> seen;   // the nearest enemy's place, frame by frame
    float wanderX = 0.0f, wanderY = 0.0f;
    int sinceClick = 1000;
    uint32_t now = 1000;
    const long frames = long(minutes * 60.0f * 70.0f);
    long frame = 0;
    unsigned shots = 0, struck = 0;
    for (; frame < frames && !game.over(); ++frame) {
        InputRecord input;
        const MyShip& ship = *game.myShip;
        const EnemyShip* nearest = game.nearestEnemy();
        seen.push_back(nearest ? nearest->getPosition() : ship.getPosition() + ship.getDirection());
        if (int(seen.size()) > hand.lateFrames + 1) seen.pop_front();
        float tx, ty;
        onView(ship, seen.front(), tx, ty);
        // The error wanders and drifts back, a second or so at a time.
        const float pull = 1.5f * FRAME, kick = hand.wobble * std::sqrt(3.0f * FRAME);
        wanderX += -wanderX * pull + kick * gauss(random);
        wanderY += -wanderY * pull + kick * gauss(random);
        float dx = tx + wanderX - game.aim.x(), dy = ty + wanderY - game.aim.y();
        const float share = std::min(1.0f, hand.gain * FRAME), most = hand.reach * FRAME;
        dx *= share;
        dy *= share;
        const float l = std::sqrt(dx * dx + dy * dy);
        if (l > most) dx *= most / l, dy *= most / l;
        if (l > 0.0f) input.addTurn(dx / AimMark::PER_TURN, dy / AimMark::PER_TURN);
        ++sinceClick;
        if (nearest && std::sqrt(tx * tx + ty * ty) < hand.cone && sinceClick >= hand.clickFrames) {
            input.press(Action::Fire);
            sinceClick = 0;
        }
        // A bounce turns the speed round; the hand puts it back.
        if (ship.getSpeed() < hand.cruise - 0.5f) input.press(Action::ThrottleUp);
        else if (ship.getSpeed() > hand.cruise + 0.5f) input.press(Action::ThrottleDown);
        const FrameEvents events = game.step(input, FRAME, now += 14);
        shots += events.shots;
        struck += events.shotsStruck;
    }
    return {game.waves.number(), game.myShip->getPoints(), float(frame) / 70.0f / 60.0f,
            shots ? float(struck) / float(shots) : 0.0f};
}

float median(std::vector<float> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0f : v.size() % 2 ? v[v.size() / 2] : 0.5f * (v[v.size() / 2 - 1] + v[v.size() / 2]);
}

}

int main(int argc, char** argv) {
    WaveTuning tuning;
    unsigned seeds = 12, first = 1;
    float minutes = 15.0f;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const float value = std::strtof(argv[i + 1], nullptr);
        if (name == "--seeds") seeds = unsigned(value);
        else if (name == "--first") first = unsigned(value);
        else if (name == "--bonus-points") tuning.bonusPoints = value;
        else if (name == "--bonus-power") tuning.bonusPower = value;
        else if (name == "--rock-points") tuning.rockPoints = value;
        else if (name == "--sharpening") tuning.sharpening = value;
        else if (name == "--sharpest") tuning.sharpest = value;
        else if (name == "--minutes") minutes = value;
        else if (name == "--new" || name == "--good") {
            // late,gain,reach,wobble,cone,click,cruise: another hand to try
            Hand& h = name == "--new" ? newPlayer : goodPlayer;
            if (std::sscanf(argv[i + 1], "%d,%f,%f,%f,%f,%d,%f", &h.lateFrames, &h.gain, &h.reach, &h.wobble, &h.cone,
                            &h.clickFrames, &h.cruise) != 7) {
                std::fprintf(stderr, "%s takes late,gain,reach,wobble,cone,click,cruise\n", argv[i]);
                return 2;
            }
        }
        else {
            std::fprintf(stderr, "unknown option %s\n", argv[i]);
            return 2;
        }
    }
    std::printf("bonus %g points a wave, %g power; rocks %g; sharper by %g a wave up to %g\n", tuning.bonusPoints,
                tuning.bonusPower, tuning.rockPoints, tuning.sharpening, tuning.sharpest);
    for (const Hand* hand : {&newPlayer, &goodPlayer}) {
        std::vector<float> waves, points, played, struck;
        std::printf("%-5s", hand->name);
        for (unsigned s = first; s < first + seeds; ++s) {
            const Result r = play(*hand, s, tuning, minutes);
            std::printf(" %u", r.wave);
            std::fflush(stdout);
            waves.push_back(float(r.wave));
            points.push_back(r.points);
            played.push_back(r.minutes);
            struck.push_back(r.struck);
        }
        std::printf("  | median wave %g, points %g, minutes %.1f, shots struck %.0f%%\n", median(waves),
                    median(points), median(played), 100.0f * median(struck));
    }
    return 0;
}
