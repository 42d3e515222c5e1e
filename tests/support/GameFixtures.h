#pragma once

#include "assets/TextureBank.h"
#include "entities/Asteroid.h"
#include "entities/EnemyShip.h"
#include "entities/MyShip.h"
#include "world/World.h"

#include <memory>

// A World and objects without model files: loading fails quietly (its messages
// are captured), so no drawing context is needed.
struct GameFixture {
    GameFixture();

    MyShip* addPlayer(const Vector3& position = Vector3(0, 0, 0), const Vector3& direction = Vector3(0, 0, -1),
                      float speed = 0.0f, float energy = 500.0f);
    Asteroid* addRock(const Vector3& position, float radius = 10.0f, float energy = 100.0f,
                      const std::string& model = "none.ms3d");
    EnemyShip* addEnemy(const Vector3& position, const Vector3& direction = Vector3(0, 0, 1), float speed = 5.0f);

    TextureBank bank;
    std::unique_ptr<World> world;
    std::string worldMessages;   // what the World wrote to standard output while starting
};

struct _SDL_Joystick;
// A game controller as SDL would see a real one plugged in (SDL's virtual
// joystick), opened for the test's hand; null if SDL cannot make one.
// `index` gets its device index, to pull it out again with.
_SDL_Joystick* plugInTestPad(int* index = nullptr);
