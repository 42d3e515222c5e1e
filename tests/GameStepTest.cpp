// Guards the game stepped alone, with no window: the stick over held arrows, keys held into a new game; the
// score attack's waves, what they pay and how sharp their ships are; the day's seed; the game kept as it goes
// verifying as a challenge, and its ghost changing nothing of the game played after it; steering by aim; the
// start's view.
#include "entities/Asteroid.h"
#include "entities/EnemyShip.h"
#include "entities/MyShip.h"
#include "game/DailySeed.h"
#include "game/Game.h"
#include "game/StateHash.h"
#include "recording/GhostTrack.h"
#include "recording/Verifier.h"
#include "recording/Ghost.h"
#include "support/TestFiles.h"
#include "platform/FileReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

std::unique_ptr<Game> headlessGame(Mode mode = Mode::Classic, Steering steering = Steering::Rates) {
    SoundChoice silent;
    silent.enabled = false;
    GameRules rules;
    rules.mode = mode;
    rules.steering = steering;
    auto game = std::make_unique<Game>(nullptr, silent, false, rules);
    game->populate();
    return game;
}

void stepFrames(Game& game, int frames, uint32_t& now, const InputRecord& first = InputRecord()) {
    for (int i = 0; i < frames; ++i) game.step(i == 0 ? first : InputRecord(), 0.014f, now += 14);
}

}

// Held Right, the stick pushed and let go, Right released: the ship then
// turned left at the arrows' full rate, because the stick's turn had
// replaced the arrows' part and their release took it back again.
TEST(GameStep, AStickTurnForgetsTheArrowsPart) {
    auto game = headlessGame();
    const MyShip& ship = *game->myShip;
    uint32_t now = 1000;
    InputRecord input;
    input.press(Action::SteerRight);
    stepFrames(*game, 40, now, input);
    ASSERT_GT(ship.getYawRate(), 0.1f);
    for (const float yaw : {0.05f, 0.0f}) {   // pushed, then let go: the rates become the stick's, none
        InputRecord stick;
        stick.setTurn(yaw, 0.0f);
        stepFrames(*game, 1, now, stick);
    }
    InputRecord release;
    release.release(Action::SteerRight);
    stepFrames(*game, 40, now, release);
    EXPECT_NEAR(ship.getYawRate(), 0.0f, 1e-4f);

    // Play again with the arrow held: it goes on steering the new ship, from no turn.
    InputRecord left;
    left.press(Action::SteerLeft);
    stepFrames(*game, 1, now, left);
    auto next = headlessGame();
    next->holdKeys(game->keySteering);
    EXPECT_EQ(next->myShip->getYawRate(), 0.0f);
    stepFrames(*next, 40, now);
    EXPECT_LT(next->myShip->getYawRate(), -0.1f);
}

namespace {

float angleBetween(const Vector3& a, const Vector3& b) {
    return std::acos(std::clamp(dot(a.unitCopy(), b.unitCopy()), -1.0f, 1.0f));
}

}

// One pointer move to the right: aiming, the ship turns onto the mark, never past it, the mark staying on the
// same point of the sky, and then the view holds still; by rates, the same move keeps the ship turning.
TEST(GameStep, AimTurnsOntoTheMarkAndHoldsWhereRatesKeepTurning) {
    InputRecord move;
    move.addTurn(0.2f, 0.05f);   // 200 pixels right, 50 down
    auto rates = headlessGame();
    auto aiming = headlessGame(Mode::Classic, Steering::Aim);
    uint32_t now = 1000, later = 1000;
    stepFrames(*rates, 1, now, move);
    stepFrames(*aiming, 1, later, move);
    const MyShip& ship = *aiming->myShip;
    const Vector3 mark = aiming->aim.direction(ship);
    float left = angleBetween(ship.getDirection(), mark);
    for (int frame = 0; frame < 70 && !aiming->aim.centred(); ++frame) {
        stepFrames(*aiming, 1, later);
        EXPECT_NEAR(angleBetween(aiming->aim.direction(ship), mark), 0.0f, 2e-3f) << "frame " << frame;
        const float now = angleBetween(ship.getDirection(), mark);
        EXPECT_LT(now, left) << "frame " << frame;
        left = now;
    }
    ASSERT_TRUE(aiming->aim.centred()) << "still turning after a second";
    EXPECT_NEAR(angleBetween(ship.getDirection(), mark), 0.0f, 2e-3f);
    EXPECT_GT(dot(ship.getDirection(), Vector3(1, 0, 0)), 0.3f) << "to the right, as the pointer went";
    EXPECT_LT(dot(ship.getDirection(), Vector3(0, 1, 0)), -0.05f) << "and down";
    const Vector3 held = ship.getDirection();
    stepFrames(*aiming, 70, later);
    EXPECT_NEAR(angleBetween(ship.getDirection(), held), 0.0f, 1e-5f);

    stepFrames(*rates, 70, now);
    const Vector3 turning = rates->myShip->getDirection();
    stepFrames(*rates, 10, now);
    EXPECT_GT(angleBetween(rates->myShip->getDirection(), turning), 0.02f);
}

// The mark is held at the view's edge however far the pointer goes; straightening puts it on the crosshair, a
// move after it in the same frame still counts; the arrows turn an aiming ship and take the mark along.
TEST(GameStep, AimMarkHeldInViewStraightenedAndCarriedByTheArrows) {
    auto game = headlessGame(Mode::Classic, Steering::Aim);
    uint32_t now = 1000;
    InputRecord far;
    for (int i = 0; i < 6; ++i) far.addTurn(-0.9f, 0.9f);
    game->step(far, 0.0f, now += 14);   // no time: nothing turns yet
    EXPECT_FLOAT_EQ(game->aim.x(), -AimMark::LIMIT_X);
    EXPECT_FLOAT_EQ(game->aim.y(), AimMark::LIMIT_Y);

    InputRecord straighten;
    straighten.press(Action::Straighten);
    straighten.addTurn(0.01f, 0.0f);
    game->step(straighten, 0.0f, now += 14);
    EXPECT_FLOAT_EQ(game->aim.x(), 0.01f * AimMark::PER_TURN);
    EXPECT_EQ(game->aim.y(), 0.0f);

    // Were the mark left behind in space, it would pull the ship back against the arrow.
    InputRecord arrow;
    arrow.press(Action::SteerLeft);
    stepFrames(*game, 140, now, arrow);
    EXPECT_TRUE(game->aim.centred());
    EXPECT_LT(dot(game->myShip->getDirection(), Vector3(1, 0, 0)), -0.3f);
}

TEST(Waves, EachBringsAShipMoreSharperToALimitAndClearingOnePays) {
    Asteroid::fieldSeed = 7;
    auto game = headlessGame(Mode::Waves);
    Asteroid::fieldSeed.reset();
    MyShip& ship = *game->myShip;
    uint32_t now = 1000;
    ASSERT_EQ(game->waves.number(), 1u);
    ASSERT_EQ(game->enemies.size(), 2u);
    EXPECT_EQ(game->enemies[0]->turnRate, 1.0f);   // the first wave flies as the design's ship
    EXPECT_EQ(game->enemies[0]->fireOdds, 500);

    // A rock pays its points; a ship destroyed stays gone while one of its wave is left.
    game->world->objects[1]->subtractEnergy(1000.0f);
    game->enemies[0]->subtractEnergy(1000.0f);
    stepFrames(*game, 1, now);
    EXPECT_EQ(game->enemies.size(), 1u);
    EXPECT_EQ(game->waves.number(), 1u);
    EXPECT_FLOAT_EQ(ship.getPoints(), 80.0f + 10.0f);
    const float power = ship.getEnergy();
    game->enemies[0]->subtractEnergy(1000.0f);
    stepFrames(*game, 1, now);
    EXPECT_FLOAT_EQ(ship.getPoints(), 90.0f + 80.0f + 50.0f);   // the kill, and 50 for clearing wave 1
    EXPECT_FLOAT_EQ(ship.getEnergy(), power + 80.0f + 50.0f);
    ASSERT_EQ(game->waves.number(), 2u);
    ASSERT_EQ(game->enemies.size(), 3u);
    EXPECT_FLOAT_EQ(game->enemies[0]->turnRate, 1.8f);
    EXPECT_EQ(game->enemies[0]->fireOdds, 278);

    // Up to wave 8's nine ships: each enters alone at its place (two at one
    // place would stand still for good), with an id no other object carries.
    while (game->waves.number() < 8) {
        for (EnemyShip* enemy : game->enemies) enemy->subtractEnergy(1000.0f);
        stepFrames(*game, 1, now);
    }
    ASSERT_EQ(game->enemies.size(), 9u);
    for (size_t i = 0; i < game->enemies.size(); ++i) {
        for (size_t j = 0; j < game->world->objects.size(); ++j) {
            const SpaceObject* other = game->world->objects[j];
            if (other == static_cast<const SpaceObject*>(game->enemies[i])) continue;
            EXPECT_GT((other->getPosition() - game->enemies[i]->getPosition()).length(), 40.0f);
            EXPECT_NE(other->getWorldId(), game->enemies[i]->getWorldId());
        }
    }
    EXPECT_NEAR(game->waves.sharpness(3), 3.24f, 0.001f);
    EXPECT_EQ(game->waves.sharpness(4), 4.0f);
    EXPECT_EQ(game->waves.sharpness(40), 4.0f);
    EXPECT_EQ(game->enemies[0]->fireOdds, 125);
}

TEST(DailySeed, OneSeedFromMidnightToMidnightUtc) {
    const std::time_t midnight = 1796688000;   // 2026-12-08 00:00:00 UTC
    EXPECT_EQ(dailySeed(midnight), 20261208u);
    EXPECT_EQ(dailySeed(midnight + 86399), 20261208u);
    EXPECT_EQ(dailySeed(midnight + 86400), 20261209u);
    EXPECT_EQ(dailySeed(midnight - 1), 20261207u);
}

// The game in play, kept by the ghost's keeper and saved, is a recording that
// verifies to the line the game ended on, naming mode, seed and wave; played into a ghost's track before
// another game is built, it leaves that game exactly as it would have been.
TEST(Ghost, AKeptGameVerifiesAndItsGhostChangesNothingOfTheNextGame) {
    Asteroid::fieldSeed = 5;
    auto game = headlessGame(Mode::Waves);
    Ghost keeper;
    keeper.begin(game->seed, game->rules);
    uint32_t now = 2000;
    for (int frame = 1; frame <= 700; ++frame) {
        InputRecord input;
        if (frame % 40 == 0) input.press(Action::Fire);
        input.addTurn(0.003f, frame < 300 ? 0.002f : -0.002f);
        keeper.frame(now += 14, 0.014f, input);
        game->step(input, 0.014f, now);
        keeper.endFrame(*game);
    }
    TempDir dir;
    std::string why;
    ASSERT_TRUE(keeper.save(dir.path("best-waves.sfr"), why)) << why;
    std::vector<uint8_t> bytes;
    Recording kept;
    ASSERT_TRUE(FileReader::read(dir.path("best-waves.sfr"), Recording::MAX_BYTES, bytes, why) &&
                Recording::parse(bytes, kept, why)) << why;
    Verifier verifier(kept);
    ASSERT_TRUE(verifier.run()) << verifier.divergedAt();
    EXPECT_EQ(verifier.summary(), summaryLine(700, *game));
    EXPECT_NE(verifier.summary().find(", mode waves, seed 5, wave 1"), std::string::npos) << verifier.summary();

    auto stepped = [](uint32_t seed) {
        Asteroid::fieldSeed = seed;
        auto next = headlessGame(Mode::Waves);
        uint32_t clock = 5000;
        stepFrames(*next, 500, clock);
        return stateHash(*next);
    };
    const uint64_t alone = stepped(9);
    GhostTrack track;
    Asteroid::fieldSeed = 9;
    ASSERT_TRUE(track.play(kept, why)) << why;
    EXPECT_EQ(Asteroid::fieldSeed, 9u) << "the ghost's seed is its own";
    EXPECT_EQ(stepped(9), alone);
    Asteroid::fieldSeed.reset();
    // The track follows the game's clock from its first frame: the ship where it was, the points it had.
    ASSERT_NE(track.at(0), nullptr);
    EXPECT_EQ(track.at(0)->elapsed, 0u);
    EXPECT_EQ(track.at(699 * 14 + 5)->elapsed, 699u * 14);
    EXPECT_FALSE(track.at(699 * 14)->gone);
    // Past its end the recorded game is over: its points stand, its ship is not drawn frozen there.
    EXPECT_TRUE(track.at(1u << 30)->gone);
    EXPECT_FALSE(track.at(1u << 30)->position != game->myShip->getPosition());
    EXPECT_EQ(track.finalPoints(), game->myShip->getPoints());
}

// The start screen's first picture is drawn before any game is built, from
// the view its ship will start with: a ship placed elsewhere would make the
// picture jump once the game is there.
TEST(GameStep, TheStartViewIsTheNewShips) {
    const auto game = headlessGame();
    const MyShip& ship = *game->myShip;
    EXPECT_FALSE(ship.getPosition() != Game::START_POSITION);
    EXPECT_FALSE(ship.getDirection() != Game::START_DIRECTION);
    EXPECT_FALSE(ship.getFrame().column(1) != Game::START_UP);
}
