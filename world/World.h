#pragma once

#include "assets/Explosion.h"
#include "assets/TextureBank.h"
#include "assets/ViewFrustum.h"
#include "entities/Vector3.h"
#include "platform/SoundDevice.h"

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class SpaceObject;
class Ship;
class MyShip;

// What the player chose to hear.
struct SoundChoice {
    bool enabled = true;   // false: no sound device is opened at all, and nothing is said of it
    bool music = true;     // false: the effects without the module
    int effectsVolume = 100;   // percent of the effects' own level
    int musicVolume = 100;     // percent of the music's own level
    bool musicOn = true;       // false: the module is loaded but stands still
};

// The one container of everything in space: the objects (which it owns from
// their registration on), the running explosions, the frustum test, all sound,
// and the drawing data shared by every rock of a shape.
class World {
public:
    static constexpr size_t ARRAY_FLOATS = 58080;   // 2420 triangles of GL_T2F_N3F_V3F

    explicit World(TextureBank* bank, const SoundChoice& soundChoice = SoundChoice());
    virtual ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // Appends the object; returns its id: the count of objects ever added,
    // so that no id is given twice once objects have left the world.
    int32_t add(SpaceObject* object);
    unsigned count() const { return static_cast<unsigned>(objects.size()); }
    SpaceObject* objectAt(unsigned index) const;   // null past the end
    SpaceObject* findById(int32_t id) const;        // first with that id, or null
    SpaceObject* findPlayer() const;                // first "MyShip", or null

    // Asks every object to draw, with visible from the frustum of the current camera.
    void render();
    // For every enemy ship: what it touches and the gap to what lies ahead, then its update.
    void updateEnemyShips(float timeFactor);
    // Explodes, scores and removes (or, for the enemy, returns) every object
    // out of energy, then advances the explosions; what it destroyed.
    struct Destroyed {
        unsigned rocks = 0;
        unsigned enemies = 0;   // each paid, and sent back to a corner or out of the world
    };
    // What a destruction pays beyond the enemy's 80 points and power, and
    // whether a destroyed enemy returns; the design's game is the default.
    struct Rewards {
        bool enemiesReturn = true;   // false: a destroyed enemy leaves the world
        float rockPoints = 0.0f;     // points for each rock destroyed
    };
    Rewards rewards;
    Destroyed removeDestroyed();
    int addExplosion(Ship* viewer, const Vector3& offset, const Vector3& anchor, int32_t targetId);
    // The explosions' animation by the game clock, finished ones dropped; then,
    // on the window's side, each drawn facing the player.
    void advanceExplosions();
    void drawExplosions();

    bool loadSample(const char* path);
    void playSample(unsigned number);
    // The confirmation of a shot that struck, an effect beside the three the
    // samples' numbers name: silent when its file is missing.
    void playHitSound();
    void startMusic();
    // The player's levels, while playing: effects and music in percent of
    // their own levels, the music standing still or going on.
    void setSoundLevels(const SoundChoice& levels);
    const SoundChoice& soundLevels() const { return levels; }

    std::vector<SpaceObject*> objects;
    std::vector<std::unique_ptr<Explosion>> explosions;
    MyShip* player = nullptr;        // the last registered "MyShip"
    ViewFrustum frustum;
    GLuint displayListBase = 0;      // seven lists: rocks at +0..+2, ship parts at +5, +6
    int drawMode = 0;                // 0 models, 1 display lists, 2 vertex arrays
    // False for a game stepped without a window: no model, texture or list is made.
    bool graphics = true;
    uint32_t now = 0;                // the game clock in the frame being stepped, ms
    TextureBank* textureBank;        // not owned
    std::array<std::array<float, ARRAY_FLOATS>, 3> asteroidArrays = {};   // one per rock shape

private:
    int32_t added = 0;    // objects ever added: the last id given
    SoundDevice sound;
    SoundChoice levels;   // the levels in force
    std::vector<SoundDevice::Sample> samples;   // in load order
    SoundDevice::Sample hitSound = nullptr;
    SoundDevice::Music music = nullptr;
};
