#include "Game.h"

#include "Collisions.h"

#include "assets/Ms3dModel.h"
#include "assets/StarField.h"
#include "entities/Asteroid.h"
#include "entities/EnemyShip.h"
#include "entities/Laser.h"
#include "entities/MyShip.h"
#include "platform/ErrorReport.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

const char* const SHAPES[] = {"../bin/data/asteroids/ast1.ms3d", "../bin/data/asteroids/ast2.ms3d",
                              "../bin/data/asteroids/ast3.ms3d"};
const float SHAPE_RADII[] = {8.7f, 6.7f, 12.3f};
constexpr int LIST_COUNT = 7;

struct Rock {
    int shape;   // 1..3
    float x, y, z;
};
const Rock ROCKS[26] = {
    {1, -800, 50, 0},    {2, -600, 100, -100}, {3, -200, 0, 100},   {1, -100, 60, -120},  {2, -50, 0, -50},
    {3, 70, 10, 70},     {1, 130, 100, 200},   {2, 250, 30, -30},   {3, 600, 60, -500},   {1, 700, 80, 100},
    {2, 0, 300, 10},     {3, -50, 400, -50},   {1, 70, 400, 110},   {2, 120, 480, -200},  {1, 800, -50, 0},
    {2, 600, -100, 100}, {1, 100, -60, 120},   {3, -70, 70, -100},  {1, -130, -100, -200}, {2, -250, -30, 30},
    {3, -600, -60, 500}, {1, -700, -80, -100}, {2, 0, -300, -10},   {3, 50, -400, 50},    {1, -70, -400, -110},
    {2, -120, -480, 200},
};

}

const Vector3 Game::START_POSITION(0, 0, 0), Game::START_DIRECTION(0, 0, -1), Game::START_UP(0, 1, 0);

Game::Game(TextureBank* bank, const SoundChoice& sound, bool graphics, const GameRules& r, const WaveTuning& tuning)
    : world(std::make_unique<World>(bank, sound)), rules(r), waves(tuning) {
    world->graphics = graphics;
    if (hasWaves()) {
        world->rewards.enemiesReturn = false;
        world->rewards.rockPoints = waves.tuning.rockPoints;
    }
}

Game::~Game() {
    starField.reset();
    laser.reset();
    if (world->displayListBase != 0) glDeleteLists(world->displayListBase, LIST_COUNT);
    world.reset();
}

// One model, loaded five times in turn, fills the shared lists and arrays.
void Game::buildSharedGeometry() {
    struct Load {
        const char* file;
        int list;
        int array;   // -1: none
        const char* failure;
        const char* console;
    } loads[] = {
        {SHAPES[0], 0, 0, "Couldn't load the model for asteroid!", "Couldn't load the model for an Asteroid!"},
        {SHAPES[1], 1, 1, "Couldn't load the model for asteroid!", "Couldn't load the model for an Asteroid!"},
        {SHAPES[2], 2, 2, "Couldn't load the model for asteroid!", "Couldn't load the model for an Asteroid!"},
        {"../bin/data/ships/xwingPart1.ms3d", 5, -1, "Couldn't load the model for an EnemyShip!",
         "Couldn't load the model for an EnemyShip!"},
        {"../bin/data/ships/xwingPart2.ms3d", 6, -1, "Couldn't load the model for an EnemyShip!",
         "Couldn't load the model for an EnemyShip!"},
    };
    sharedGeometry = std::make_unique<Ms3dModel>();
    Ms3dModel& shared = *sharedGeometry;
    for (const Load& load : loads) {
        if (!shared.load(load.file)) {
            reportError(load.failure);
            std::fputs(load.console, stdout);
            std::fflush(stdout);
        }
        shared.reloadTextures("");
        shared.compileDisplayList(world->displayListBase + load.list);
        if (load.array >= 0) {
            shared.fillVertexArray(world->asteroidArrays[size_t(load.array)].data(), World::ARRAY_FLOATS);
        }
    }
}

void Game::addRockField(const Vector3& offset) {
    for (const Rock& rock : ROCKS) {
        new Asteroid(SHAPES[rock.shape - 1], Vector3(rock.x, rock.y, rock.z) + offset, Vector3(1, 1, 0),
                     SHAPE_RADII[rock.shape - 1], Vector3(0.08f, 0.08f, 0.08f), 100.0f, world.get());
    }
}

void Game::fieldBounds(Vector3& low, Vector3& high) {
    low = high = Vector3(ROCKS[0].x, ROCKS[0].y, ROCKS[0].z);
    for (const Rock& rock : ROCKS) {
        low = Vector3(std::min(low.x, rock.x), std::min(low.y, rock.y), std::min(low.z, rock.z));
        high = Vector3(std::max(high.x, rock.x), std::max(high.y, rock.y), std::max(high.z, rock.z));
    }
}

void Game::populate() {
    World* w = world.get();
    if (w->graphics) {
        w->displayListBase = glGenLists(LIST_COUNT);
        buildSharedGeometry();
    }
    // Every rock of the field from one seed, the one the game is known by.
    const std::optional<uint32_t> given = Asteroid::fieldSeed;
    seed = given ? *given : static_cast<uint32_t>(std::time(nullptr));
    myShip = new MyShip("../bin/data/Ships/xwingPart1.ms3d", START_POSITION, START_DIRECTION, 13.0f, 1.0f,
                        Vector3(0.05f, 0.05f, 0.05f), 0.0f, 0.0f, 500.0f, w);
    laser = std::make_unique<Laser>();
    starField = std::make_unique<StarField>(myShip);
    Asteroid::fieldSeed = seed;
    addRockField(Vector3(0, 0, 0));
    Asteroid::fieldSeed = given;
    if (hasWaves()) {
        waves.enter(*w, *myShip);
    } else {
        new EnemyShip("../bin/data/Ships/xwingPart1.ms3d", Vector3(0, -300, -250), Vector3(0, 0, 1), 12.0f, 5.0f,
                      Vector3(0.05f, 0.05f, 0.05f), 100.0f, w);
    }
    findEnemies();
    w->startMusic();
}

void Game::findEnemies() {
    enemies.clear();
    for (SpaceObject* object : world->objects) {
        if (std::strcmp(object->getTypeName(), "EnemyShip") == 0) enemies.push_back(static_cast<EnemyShip*>(object));
    }
}

const EnemyShip* Game::nearestEnemy() const {
    const EnemyShip* nearest = nullptr;
    float best = 0.0f;
    for (const EnemyShip* enemy : enemies) {
        const float d = (enemy->getPosition() - myShip->getPosition()).length();
        if (!nearest || d < best) {
            nearest = enemy;
            best = d;
        }
    }
    return nearest;
}

bool Game::fireShot() {
    World* world = this->world.get();
    Laser* laser = this->laser.get();
    const int hit = laser->fire(myShip, 0.1f, world);
    lastShotTime = static_cast<float>(world->now);
    if (hit != -1) {
        const Vector3 impact = laser->hitPoint(static_cast<unsigned>(hit));
        SpaceObject* target = world->objectAt(static_cast<unsigned>(hit));
        const Vector3 offset = impact - target->getPosition();
        ++shotsThatStruck;
        target->subtractEnergy(laser->getDamage());
        const SpaceObject* still = world->findById(target->getWorldId());
        if (still && still->getEnergy() > 0.0f) {
            world->addExplosion(myShip, offset, target->getPosition(), target->getWorldId());
        }
    } else {
        laser->setLength(3000.0f);
    }
    world->playSample(0);
    return hit != -1;
}

void Game::play(Action action, bool pressed, FrameEvents& events) {
    MyShip& ship = *myShip;
    switch (action) {
    case Action::SteerUp: return keySteering.hold(KeySteering::UP, pressed);
    case Action::SteerDown: return keySteering.hold(KeySteering::DOWN, pressed);
    case Action::SteerLeft: return keySteering.hold(KeySteering::LEFT, pressed);
    case Action::SteerRight: return keySteering.hold(KeySteering::RIGHT, pressed);
    default: break;
    }
    if (!pressed) return;
    switch (action) {
    case Action::Fire:
        ++events.shots;
        fireShot();
        break;
    case Action::ThrottleUp: ship.changeSpeed(1.0f, true); break;
    case Action::ThrottleDown: ship.changeSpeed(1.0f, false); break;
    case Action::FullThrottle: ship.setSpeed(100.0f); break;
    case Action::FullStop: ship.setSpeed(0.0f); break;
    case Action::Straighten:
        ship.stopTurning();
        keySteering.forget();
        aim.centre();
        break;
    case Action::View:
        ship.setOutsideView(ship.getOutsideView() == 0 ? 1 : 0);
        events.viewChanged = true;
        break;
    default: break;   // the rest is the window's: how the game is drawn
    }
}

FrameEvents Game::step(const InputRecord& input, float frameTime, uint32_t clock) {
    FrameEvents events;
    events.firstStep = steps++ == 0;
    world->now = clock;
    for (unsigned i = 0; i < input.eventCount; ++i) {
        const InputRecord::Event& e = input.events[i];
        if (e.action < uint8_t(Action::Count)) play(Action(e.action), e.pressed, events);
    }
    MyShip& ship = *myShip;
    if (input.setsTurn) {
        // The stick now says the whole turn: the arrows' part in it is gone,
        // as when straightening, so letting go of an arrow later takes back
        // nothing that is not there.
        ship.stopTurning();
        keySteering.forget();
        ship.addTurn(input.setYaw, input.setPitch);
    }
    // Aiming, the pointer moves the mark; the keys and the stick still turn by rates.
    const bool aims = rules.steering == Steering::Aim;
    for (unsigned i = 0; i < input.turnCount; ++i) {
        if (aims) aim.move(input.turns[i][0], input.turns[i][1]);
        else ship.addTurn(input.turns[i][0], input.turns[i][1]);
    }
    events.bounced = resolveCollisions(*world, ship, frameTime);
    keySteering.update(ship, frameTime);
    ship.yaw(2.0f * ship.getYawRate() * frameTime);
    ship.pitch(2.0f * ship.getPitchRate() * frameTime);
    if (aims) aim.steer(ship, frameTime);
    // The stars draw from the same random numbers as the enemy, so their
    // renewal keeps its place in the frame's order.
    starField->renewRing();
    world->updateEnemyShips(frameTime);
    // Every hit counted since the last step is told, however it was counted,
    // before a ship that made one can leave the world.
    for (EnemyShip* enemy : enemies) {
        if (enemy->hitsOnPlayer == 0) continue;
        events.playerHits += enemy->hitsOnPlayer;
        enemy->hitsOnPlayer = 0;
        events.shooter = enemy->getPosition();
    }
    const World::Destroyed destroyed = world->removeDestroyed();
    events.rocksDestroyed = destroyed.rocks;
    events.enemyDestroyed = destroyed.enemies > 0;
    events.shotsStruck = shotsThatStruck - struckTold;
    struckTold = shotsThatStruck;
    if (destroyed.enemies > 0) findEnemies();
    if (hasWaves() && waves.clearIfDone(*world, ship, enemies)) {
        events.waveCleared = true;
        findEnemies();
    }
    events.gameOver = over();
    return events;
}

bool Game::over() const {
    return myShip->getEnergy() <= 0.0f;
}

bool Game::showsBeam(uint32_t clock) const {
    return lastShotTime != 0.0f && lastShotTime - static_cast<float>(clock) > -100.0f;
}

void Game::holdKeys(const KeySteering& old) {
    keySteering = old;
    keySteering.forget();
}
