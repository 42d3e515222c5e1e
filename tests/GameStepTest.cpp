// Guards the game stepped alone, with no window: the stick over held arrows, keys held into a new game, the start's view.
#include "entities/MyShip.h"
#include "game/Game.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<Game> headlessGame() {
    SoundChoice silent;
    silent.enabled = false;
    auto game = std::make_unique<Game>(nullptr, silent, false);
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
