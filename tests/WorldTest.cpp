// Guards the world and collision pass: turns, speed limits, bounces and their cost, no contact missed.
#include "game/Collisions.h"
#include "support/GameFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

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
}

TEST(CollisionPass, ABounceSetsTheShipBackReversesItAndCostsPower) {
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

    // Five hard contacts take all the power.
    for (int i = 0; i < 5; ++i) {
        ship->setPosition(Vector3(0, 0, 0));
        ship->setSpeed(100.0f);
        resolveCollisions(*game.world, *ship, 0.016f);
    }
    EXPECT_LE(ship->getEnergy(), 0.0f);
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

// The pass skips pairs too far apart to touch before sweeping them; on a
// crowded field with every kind of near miss it must find what a sweep of
// every pair finds.
TEST(CollisionPass, SkippingFarPairsChangesNothing) {
    GameFixture game;
    game.addPlayer(Vector3(0, 0, 0), Vector3(0, 0, -1), 20.0f);
    std::mt19937 random(11);
    std::uniform_real_distribution<float> near(-60.0f, 60.0f);
    for (int i = 0; i < 80; ++i) {
        if (i % 3 == 0) game.addEnemy(Vector3(near(random), near(random), near(random)));
        else game.addRock(Vector3(near(random), near(random), near(random)), 4.0f + float(i % 5));
    }
    auto sweepEveryPair = [&](double span) {
        Contact c;
        const double step = span / 150.0;
        const World& w = *game.world;
        for (unsigned i = 0; i + 1 < w.count(); ++i) {
            for (unsigned j = i + 1; j < w.count(); ++j) {
                const Vector3 pi = w.objectAt(i)->getPreviousPosition(), pj = w.objectAt(j)->getPreviousPosition();
                const float reach = w.objectAt(i)->getRadius() + w.objectAt(j)->getRadius();
                const Vector3 rel = w.objectAt(i)->getDirection() - w.objectAt(j)->getDirection();
                for (double t = step; t <= span + step / 2; t += step) {
                    if (distance(pi + rel * float(t), pj) <= reach) {
                        c.time = std::min(c.time, t - step);
                        c.first = int(i);
                        c.second = int(j);
                        break;
                    }
                }
            }
        }
        return c;
    };
    for (double span : {0.06, 5.0, 40.0}) {   // longer spans reach far more pairs
        for (SpaceObject* o : game.world->objects) o->setPreviousPosition(o->getPosition());
        const Contact fast = findEarliestContact(*game.world, span), all = sweepEveryPair(span);
        EXPECT_EQ(fast.first, all.first) << span;
        EXPECT_EQ(fast.second, all.second) << span;
        EXPECT_NEAR(fast.time, all.time, 1e-9) << span;
    }
}
