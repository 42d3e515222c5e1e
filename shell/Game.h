#pragma once

#include "world/World.h"

#include <memory>

class EnemyShip;
class Laser;
class Ms3dModel;
class MyShip;
class StarField;
class TextureBank;

// Everything one game owns: the world and its objects, the player's ship, the
// star field, the shared rock geometry, the score and the timers. A new game
// is a new Game; throwing the old one away frees all of it in one piece.
class Game {
public:
    // Opens the world (and with it the sound). The rest comes in populate(),
    // so the first start can keep its order: world, sky, font, then the objects.
    Game(TextureBank* bank, const SoundChoice& sound);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The shared lists and arrays, the player's ship, laser, star field, the 26
    // rocks and the enemy at its start; then the music.
    void populate();

    // The 26 rocks of the field, each moved by `offset`. The game places the
    // field once; the frame benchmark adds shifted copies to see how the cost
    // grows with the number of rocks.
    void addRockField(const Vector3& offset);

    // One shot of the player's laser: the nearest object on the beam loses
    // energy and, if it survives, shows a hit explosion; the laser sound
    // plays. True when the beam struck something.
    bool fireShot();

    std::unique_ptr<World> world;
    MyShip* myShip = nullptr;          // owned by the world
    EnemyShip* enemyShip = nullptr;    // owned by the world
    std::unique_ptr<Laser> laser;
    std::unique_ptr<StarField> starField;
    float lastShotTime = 0.0f;         // milliseconds on the clock, 0 before the first shot
    unsigned shotsThatStruck = 0;      // the player's, for the crosshair's mark: no state of play

    // The box that holds the centres of the rocks of the field.
    static void fieldBounds(Vector3& low, Vector3& high);

private:
    void buildSharedGeometry();

    // The display lists bind this model's textures, so it lives as long as they do.
    std::unique_ptr<Ms3dModel> sharedGeometry;
};
