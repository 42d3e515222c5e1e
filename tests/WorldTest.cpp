#include "shell/Collisions.h"
#include "support/GameFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(World, IdsAreReusedAfterARemoval) {
    // Ids are counts, not serial numbers: after a removal the next object gets
    // an id that an older one still carries, and lookups find the older first.
    GameFixture game;
    game.addPlayer();
    Asteroid* doomed = game.addRock(Vector3(100, 0, 0));
    Asteroid* older = game.addRock(Vector3(200, 0, 0));
    doomed->subtractEnergy(100.0f);
    game.world->removeDestroyed();
    EXPECT_EQ(game.world->count(), 2u);
    EXPECT_EQ(game.world->explosions.size(), 1u);
    Asteroid* newer = game.addRock(Vector3(300, 0, 0));
    EXPECT_EQ(newer->getWorldId(), 3);
    EXPECT_EQ(game.world->findById(3), older);
    EXPECT_EQ(game.world->objectAt(2), newer);
    EXPECT_EQ(game.world->objectAt(3), nullptr);
    EXPECT_EQ(game.world->findPlayer(), game.world->player);
}

TEST(Ship, TurnsAboutItsOwnAxesAndKeepsItsSpeedLimits) {
    GameFixture game;
    MyShip* ship = game.addPlayer();
    const double quarter = std::acos(0.0);
    ship->yaw(static_cast<float>(quarter));
    EXPECT_NEAR(ship->getDirection().x, 1.0f, 1e-6f);   // forward (0, 0, -1) turned about up
    ship->pitch(static_cast<float>(quarter));
    EXPECT_NEAR(ship->getDirection().y, -1.0f, 1e-6f);
    ship->setDirection(Vector3(0, 0, -5));
    ship->advance(10.0f);
    EXPECT_FLOAT_EQ(ship->getPosition().z, -10.0f);

    struct Case {
        float start;
        bool faster;
        float expected;
    } cases[] = {{99.5f, true, 100.5f}, {100.0f, true, 100.0f}, {-100.0f, false, -100.0f}, {-99.0f, false, -100.0f}};
    for (const Case& c : cases) {
        ship->setSpeed(c.start);
        ship->changeSpeed(1.0f, c.faster);
        EXPECT_FLOAT_EQ(ship->getSpeed(), c.expected) << c.start;
    }
    ship->addTurn(0.001f, -0.1f);
    EXPECT_FLOAT_EQ(ship->getYawRate(), 0.001f);
    EXPECT_FLOAT_EQ(ship->getPitchRate(), -0.1f);
}

TEST(CollisionPass, ABounceSetsTheShipBackAndReversesIt) {
    GameFixture game;
    MyShip* ship = game.addPlayer(Vector3(0, 0, 0), Vector3(0, 0, -1), 20.0f);
    game.addRock(Vector3(0, 0, -22.9f), 10.0f);   // surfaces 0.1 apart
    resolveCollisions(*game.world, *ship, 0.016f);
    // The contact point lies on the ship's swept path; the ship goes 2.8 units back from it.
    EXPECT_NEAR(ship->getPosition().z, 2.8f, 0.15f);
    EXPECT_FLOAT_EQ(ship->getEnergy(), 480.0f);
    EXPECT_FLOAT_EQ(ship->getSpeed(), -20.0f);

    // Without contact the ship flies on by speed x frame time.
    resolveCollisions(*game.world, *ship, 0.5f);
    EXPECT_NEAR(ship->getPosition().z, 12.8f, 0.15f);
}

TEST(CollisionPass, ALaterPairInContactWins) {
    GameFixture game;
    MyShip* ship = game.addPlayer(Vector3(0, 0, 0), Vector3(0, 0, -1), 20.0f);
    game.addRock(Vector3(0, 0, -22.9f), 10.0f);
    game.addRock(Vector3(500, 0, 0), 10.0f);
    game.addRock(Vector3(500, 0, 19.5f), 10.0f);   // two rocks touching each other
    const Contact contact = findEarliestContact(*game.world, COLLISION_STEP);
    ASSERT_TRUE(contact.found);
    EXPECT_EQ(contact.first, 2);
    EXPECT_EQ(contact.second, 3);
    resolveCollisions(*game.world, *ship, 0.1f);
    EXPECT_FLOAT_EQ(ship->getEnergy(), 500.0f);   // the ship's own touch is not reported
    EXPECT_NEAR(ship->getPosition().z, -2.0f, 1e-5f);
}

TEST(CollisionPass, FiveHardContactsTakeAllThePower) {
    GameFixture game;
    MyShip* ship = game.addPlayer(Vector3(0, 0, 0), Vector3(0, 0, -1), 100.0f);
    game.addRock(Vector3(0, 0, -22.9f), 10.0f);
    for (int i = 0; i < 5; ++i) {
        ship->setPosition(Vector3(0, 0, 0));
        ship->setSpeed(100.0f);
        resolveCollisions(*game.world, *ship, 0.016f);
    }
    EXPECT_LE(ship->getEnergy(), 0.0f);
}
