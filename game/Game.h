#pragma once

#include "AimMark.h"
#include "FrameEvents.h"
#include "GameRules.h"
#include "InputRecord.h"
#include "KeySteering.h"
#include "Waves.h"
#include "world/World.h"

#include <cstdint>
#include <memory>
#include <vector>

class EnemyShip;
class Laser;
class Ms3dModel;
class MyShip;
class StarField;
class TextureBank;

// Everything one game owns: the world and its objects, the player's ship, the
// star field, the shared rock geometry, the score and the timers. A new game
// is a new Game; throwing the old one away frees all of it in one piece.
// It advances by step() alone, which draws nothing and reads no clock or
// device: a window draws what it left, and a recording is verified without one.
class Game {
public:
    // Opens the world (and with it the sound). The rest comes in populate(),
    // so the first start can keep its order: world, sky, font, then the objects.
    // Without graphics (a game stepped without a window) no model, texture or
    // display list is made and the objects are bare spheres. The score
    // attack's numbers are the game's own unless a trial of others hands them.
    Game(TextureBank* bank, const SoundChoice& sound, bool graphics = true, const GameRules& rules = GameRules(),
         const WaveTuning& tuning = WaveTuning());
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The shared lists and arrays, the player's ship, laser, star field, the 26
    // rocks and the enemy at its start (or, in a score attack, the first
    // wave's ships at the field's corners); then the music.
    void populate();

    // The 26 rocks of the field, each moved by `offset`. The game places the
    // field once; the frame benchmark adds shifted copies to see how the cost
    // grows with the number of rocks.
    void addRockField(const Vector3& offset);

    // One frame of play, handed its input, its frame time (seconds, which
    // scales every motion) and the game clock (ms): the input, the collision
    // pass and forward motion, steering, the stars' renewal, the enemy pass
    // and the destruction pass, in that order.
    FrameEvents step(const InputRecord& input, float frameTime, uint32_t clock);
    bool over() const;   // the player's power is gone
    bool begun() const { return steps > 0; }   // a step has been taken
    // Play again: steering keys still held go on being held in the new game,
    // their part of the old ship's turn forgotten.
    void holdKeys(const KeySteering& old);

    // The last shot's beam shows for 100 ms on the game clock.
    bool showsBeam(uint32_t clock) const;

    // One shot of the player's laser: the nearest object on the beam loses
    // energy and, if it survives, shows a hit explosion; the laser sound
    // plays. True when the beam struck something.
    bool fireShot();

    std::unique_ptr<World> world;
    MyShip* myShip = nullptr;          // owned by the world
    std::vector<EnemyShip*> enemies;   // in the world's order, owned by it; renewed by every step
    std::unique_ptr<Laser> laser;
    std::unique_ptr<StarField> starField;
    float lastShotTime = 0.0f;         // milliseconds on the clock, 0 before the first shot
    unsigned shotsThatStruck = 0;      // the player's, for the crosshair's mark: no state of play
    KeySteering keySteering;           // the held steering keys' part of the turn rates
    AimMark aim;                       // steering by aim: where the pointer points; centred otherwise
    const GameRules rules;
    uint32_t seed = 0;                 // the random draws' seed the rocks were built with
    Waves waves;                       // in play only when the mode is not classic
    bool hasWaves() const { return rules.mode != Mode::Classic; }
    // The enemy nearest the player's ship, or null when none is left.
    const EnemyShip* nearestEnemy() const;

    // The box that holds the centres of the rocks of the field.
    static void fieldBounds(Vector3& low, Vector3& high);
    // Where the player's ship starts and where it looks: the view of a game
    // about to begin, before one is built.
    static const Vector3 START_POSITION, START_DIRECTION, START_UP;

private:
    void buildSharedGeometry();
    // A bound action of play pressed (true) or released, inside a step.
    void play(Action action, bool pressed, FrameEvents& events);
    void findEnemies();

    uint32_t steps = 0;        // taken so far
    unsigned struckTold = 0;   // shotsThatStruck as the last step told it
    // The display lists bind this model's textures, so it lives as long as they do.
    std::unique_ptr<Ms3dModel> sharedGeometry;
};
