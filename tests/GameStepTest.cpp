// Guards the game stepped alone, with no window: the stick over held arrows, keys held into a new game,
// steering by aim.
#include "entities/MyShip.h"
#include "game/Game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

std::unique_ptr<Game> headlessGame(Steering steering = Steering::Rates) {
    SoundChoice silent;
    silent.enabled = false;
    auto game = std::make_unique<Game>(nullptr, silent, false, GameRules{Mode::Classic, steering});
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

// One pointer move to the right: aiming, the ship turns onto the mark, never
// past it, the mark staying on the same point of the sky, and then the view
// holds still; by rates, the same move keeps the ship turning.
TEST(GameStep, AimTurnsOntoTheMarkAndHoldsWhereRatesKeepTurning) {
    InputRecord move;
    move.addTurn(0.2f, 0.05f);   // 200 pixels right, 50 down
    auto rates = headlessGame();
    auto aiming = headlessGame(Steering::Aim);
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

// The mark is held at the view's edge however far the pointer goes;
// straightening puts it on the crosshair, and a move after it in the same
// frame still counts; the arrows turn an aiming ship and take the mark along.
TEST(GameStep, AimMarkHeldInViewStraightenedAndCarriedByTheArrows) {
    auto game = headlessGame(Steering::Aim);
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
