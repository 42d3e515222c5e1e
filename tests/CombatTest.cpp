// Guards combat: the laser hits what it should, kills pay out and free their ids, the enemy moves through its modes safely.
#include "support/GameFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Laser, HitsTheNearestCentreOnTheLineAndMeasuresTheBeam) {
    GameFixture game;
    MyShip* ship = game.addPlayer();
    game.addRock(Vector3(0, 0, -200), 40.0f);    // larger but farther
    game.addRock(Vector3(3, 0, -100), 10.0f);    // nearer, and the line passes 3 from its centre
    game.addRock(Vector3(20, 0, 0), 50.0f);      // level with the shooter: never hit
    game.addRock(Vector3(0, 0, 0), 5.0f);        // at the shooter's own position: passed over
    Laser laser;
    EXPECT_EQ(laser.fire(ship, 0.1f, game.world.get()), 2);
    laser.hitPoint(2);
    EXPECT_NEAR(laser.getLength(), 100.0f - std::sqrt(91.0f), 1e-3f);

    game.world->objectAt(2)->setPosition(Vector3(0, 0, -100));
    EXPECT_EQ(laser.fire(ship, 0.1f, game.world.get()), 2);
    const Vector3 p = laser.hitPoint(2);
    EXPECT_NEAR(laser.getLength(), 90.0f, 1e-3f);
    EXPECT_NEAR(p.z, -90.0f, 1e-3f);

    ship->setDirection(Vector3(0, 1, 0));
    EXPECT_EQ(laser.fire(ship, 0.1f, game.world.get()), -1);
}

TEST(Laser, AimedExactlyAtACentreStillHits) {
    // Yaw and pitch never renormalise the frame, so its forward axis drifts a
    // little longer than 1; the cosine towards a rock dead ahead then comes out
    // above 1, and an unclamped arc cosine would make the shot miss.
    GameFixture game;
    const Vector3 drifted(0.6f, 0.8000002f, 0.0f);   // length 1.00000012
    MyShip* ship = game.addPlayer(Vector3(0, 0, 0), drifted);
    game.addRock(drifted * 300.0f, 1.0f);
    Laser laser;
    EXPECT_EQ(laser.fire(ship, 0.1f, game.world.get()), 1);
}

TEST(Destruction, RocksExplodeNewcomersTakeNoLivingIdTheEnemyComesBackAtACorner) {
    GameFixture game;
    MyShip* ship = game.addPlayer(Vector3(0, 0, 0), Vector3(0, 0, -1), 0.0f, 37.5f);
    Asteroid* a = game.addRock(Vector3(0, 0, -100));
    Asteroid* b = game.addRock(Vector3(50, 0, -100));
    EnemyShip* enemy = game.addEnemy(Vector3(0, -300, -250));
    game.addRock(Vector3(0, 50, -100));   // untouched
    a->subtractEnergy(100.0f);
    b->subtractEnergy(120.0f);
    enemy->subtractEnergy(100.0f);
    game.world->removeDestroyed();
    EXPECT_EQ(game.world->count(), 3u);
    EXPECT_EQ(game.world->explosions.size(), 3u);
    EXPECT_FLOAT_EQ(ship->getEnergy(), 117.0f);   // 37.5 + 80, cut to a whole number
    EXPECT_FLOAT_EQ(ship->getPoints(), 80.0f);
    EXPECT_FLOAT_EQ(enemy->getEnergy(), 100.0f);
    const Vector3 corner = enemy->getPosition();
    for (float c : {corner.x, corner.y, corner.z}) EXPECT_FLOAT_EQ(std::fabs(c), 1500.0f);
    // The large explosion sits twice the radius back towards the viewer, and stays put.
    EXPECT_FLOAT_EQ(game.world->explosions[0]->getAnchor().z, -80.0f);
    EXPECT_FALSE(game.world->explosions[0]->getOffset() != Vector3(0, 0, 0));
    // A newcomer after a destruction (a wave's ship) never takes the id an
    // older object still carries: its hits and explosions find it, not that one.
    Asteroid* newer = game.addRock(Vector3(300, 0, 0));
    EXPECT_EQ(newer->getWorldId(), 6);
    EXPECT_EQ(game.world->findById(6), newer);
    EXPECT_EQ(game.world->findById(4), enemy);
    EXPECT_EQ(game.world->objectAt(3), newer);
    EXPECT_EQ(game.world->objectAt(4), nullptr);
    EXPECT_EQ(game.world->findPlayer(), ship);

    ship->subtractEnergy(200.0f);   // the player's ship is never exploded or removed here
    game.world->removeDestroyed();
    EXPECT_EQ(game.world->objectAt(0), ship);
}

TEST(EnemyShip, SlowsForWhatIsAheadAndOtherwiseSpeedsTowardsThePlayer) {
    GameFixture game;
    game.addPlayer(Vector3(0, 0, -1000));
    EnemyShip* enemy = game.addEnemy(Vector3(0, 0, 0), Vector3(0, 0, 1), 40.0f);
    MyShip* target = game.world->player;
    enemy->update(target, 0.0f, nullptr, 25.0f);
    EXPECT_FLOAT_EQ(enemy->speedStep, 0.8f);
    EXPECT_FLOAT_EQ(enemy->getSpeed(), 40.0f);
    enemy->update(target, 0.0f, nullptr, 25.0f);
    EXPECT_FLOAT_EQ(enemy->getSpeed(), 20.0f);
    // Nothing ahead: one step faster per frame, and it now heads at the player.
    enemy->update(target, 0.0f, nullptr, -1.0f);
    EXPECT_FLOAT_EQ(enemy->getSpeed(), 21.0f);
    EXPECT_NEAR(enemy->getDirection().z, -1.0f, 1e-5f);
    EXPECT_TRUE(enemy->saveSpeedNext);
}

TEST(EnemyShip, EveryTransitionOfTheBehaviour) {
    GameFixture game;
    MyShip* player = game.addPlayer(Vector3(0, 0, 500));
    Asteroid* rock = game.addRock(Vector3(0, 0, 30));
    EnemyShip* enemy = game.addEnemy(Vector3(0, 0, 0), Vector3(0, 0, 1), 10.0f);
    // Steps in order on the fixed clock (ms, 0: left as it is); a step from
    // STAY goes on from where the last one ended. The beam shows for 100 ms,
    // then pursuit (or evasion with a contact).
    const int STAY = -1;
    struct Step {
        int from;
        const SpaceObject* contact;
        uint32_t clock;
        int to;
    } steps[] = {
        {EnemyShip::PURSUE, player, 0, EnemyShip::FIRE},       {EnemyShip::PURSUE, rock, 0, EnemyShip::EVADE},
        {EnemyShip::HALF_LOOP, rock, 0, EnemyShip::EVADE},     {EnemyShip::FIRE, nullptr, 0, EnemyShip::SHOW_BEAM},
        {EnemyShip::FIRE, rock, 0, EnemyShip::SHOW_BEAM},      {EnemyShip::FIRE, nullptr, 10000, EnemyShip::SHOW_BEAM},
        {STAY, nullptr, 10099, EnemyShip::SHOW_BEAM},          {STAY, rock, 10100, EnemyShip::EVADE},
        {EnemyShip::SHOW_BEAM, nullptr, 10100, EnemyShip::PURSUE},
    };
    for (const Step& c : steps) {
        if (c.clock) game.world->now = c.clock;
        if (c.from != STAY) enemy->behaviourState = c.from;
        enemy->update(player, 0.02f, c.contact, -1.0f);
        EXPECT_EQ(enemy->behaviourState, c.to) << c.from << " at " << c.clock;
    }

    // Evasion done, then the half loop, then the turn back.
    enemy->behaviourState = EnemyShip::EVADE;
    enemy->evadeAngle = 1.0f;
    enemy->evadeProgress = 1.0f;
    enemy->update(player, 0.02f, nullptr, -1.0f);
    EXPECT_EQ(enemy->behaviourState, EnemyShip::HALF_LOOP);
    enemy->loopProgress = 180.0f;
    enemy->update(player, 0.02f, nullptr, -1.0f);
    EXPECT_EQ(enemy->behaviourState, EnemyShip::TURN_BACK);
    for (int i = 0; i < 2000 && enemy->behaviourState == EnemyShip::TURN_BACK; ++i) {
        enemy->update(player, 0.02f, nullptr, -1.0f);
    }
    EXPECT_EQ(enemy->behaviourState, EnemyShip::PURSUE);

    // Turning back while already flying exactly at the player ends at once.
    enemy->setTurn(Vector3(0, 0, 1));
    enemy->setPosition(Vector3(0, 0, 0));
    enemy->behaviourState = EnemyShip::TURN_BACK;
    enemy->update(player, 0.02f, nullptr, -1.0f);
    EXPECT_EQ(enemy->behaviourState, EnemyShip::PURSUE);
}

TEST(EnemyShip, EvadesSharplyFromARockAheadAndBarelyFromOneBeside) {
    GameFixture game;
    MyShip* player = game.addPlayer(Vector3(0, 0, 500));
    EnemyShip* enemy = game.addEnemy(Vector3(0, 0, 0), Vector3(0, 0, 1), 10.0f);
    for (const auto& [at, angle] : {std::pair(Vector3(0, 0, 30), 91.0f), std::pair(Vector3(30, 0, 0), 1.0f)}) {
        Asteroid* rock = game.addRock(at);
        enemy->setTurn(Vector3(0, 0, 1));
        enemy->behaviourState = EnemyShip::EVADE;
        enemy->evadePlanned = false;
        enemy->update(player, 0.02f, rock, -1.0f);
        EXPECT_NEAR(enemy->evadeAngle, angle, 1e-3f);
        rock->setPosition(Vector3(5000, 5000, 5000));
    }
}

TEST(EnemyShip, CoincidingPointsAndParallelTurnsDoNotEndTheGame) {
    GameFixture game;
    MyShip* player = game.addPlayer(Vector3(0, 0, 0));
    Asteroid* rock = game.addRock(Vector3(0, 0, 0));
    EnemyShip* enemy = game.addEnemy(Vector3(0, 0, 0), Vector3(0, 0, 1));
    enemy->update(player, 0.02f, nullptr, -1.0f);   // the player at its own position
    player->setPosition(Vector3(0, 0, 100));
    enemy->behaviourState = EnemyShip::EVADE;
    enemy->update(player, 0.02f, rock, -1.0f);      // a contact at its own position
    enemy->setTurn(Vector3(0, 0, -1));              // straight back: no cross product
    EXPECT_FLOAT_EQ(enemy->turnAngle, 180.0f);
    EXPECT_TRUE(std::isfinite(enemy->getDirection().z));
    Laser laser;
    EXPECT_NO_FATAL_FAILURE(laser.fire(enemy, 0.1f, game.world.get()));
}
