#include "Scene.h"

#include "game/Game.h"
#include "assets/Font.h"
#include "assets/ImageLoader.h"
#include "assets/Sky.h"
#include "assets/TextureBank.h"
#include "entities/Asteroid.h"
#include "entities/MyShip.h"
#include "platform/BestScore.h"
#include "platform/ScoreTable.h"
#include "game/DailySeed.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include <malloc.h>


Scene::Scene() = default;
Scene::~Scene() = default;

namespace {

struct StartupTexture {
    const char* file;
    int slot;
};
// The cockpit's first: the start screen stands on it.
const StartupTexture STARTUP_TEXTURES[] = {
    {"../bin/data/cockpit/cockpit.bmp", 6}, {"../bin/data/cockpit/dials.bmp", 7}, {"../bin/data/cockpit/CrossHair.bmp", 8},
    {"../bin/data/div/GameOver.bmp", 9},    {"../bin/oberf2k2.bmp", 10},
    {"../bin/ober4k.bmp", 11},              {"../bin/ober3k.bmp", 12}};
const int EXPLOSION_FRAMES = 52, FIRST_EXPLOSION_SLOT = 13;

std::string explosionFrame(int i) {
    char name[64];
    std::snprintf(name, sizeof name, "../bin/data/explosion/ex%02d.bmp", i);
    return name;
}

}

void Scene::loadTextures(bool backdropLoaded) {
    for (const StartupTexture& texture : STARTUP_TEXTURES) {
        if (backdropLoaded && &texture == &STARTUP_TEXTURES[0]) continue;
        textures->loadTexture(texture.file, texture.slot);
    }
    for (int i = 0; i < EXPLOSION_FRAMES; ++i) textures->loadTexture(explosionFrame(i), FIRST_EXPLOSION_SLOT + i);
}

void Scene::setSoundLevels(int effectsVolume, int musicVolume, bool musicOn) {
    sound.effectsVolume = effectsVolume;
    sound.musicVolume = musicVolume;
    sound.musicOn = musicOn;
    if (game) game->world->setSoundLevels(sound);
}

void Scene::beginBuilding(const SoundChoice& choice) {
    // The levels set before the scene was built stay.
    const SoundChoice levels = sound;
    sound = choice;
    sound.effectsVolume = levels.effectsVolume;
    sound.musicVolume = levels.musicVolume;
    sound.musicOn = levels.musicOn;
    textures = new TextureBank();
    textures->decoded = decoded.get();
}

void Scene::build(const SoundChoice& choice) {
    beginBuilding(choice);
    loadTextures(false);
    game = new Game(textures, sound, true, rules);
    sky = new Sky(textures);
    font = new Font();
    buildGame();
}

void Scene::buildFirstPicture(const SoundChoice& choice) {
    beginBuilding(choice);
    font = new Font();
}

void Scene::buildBackdrop() {
    if (sky) return;
    textures->loadTexture(STARTUP_TEXTURES[0].file, STARTUP_TEXTURES[0].slot);
    sky = new Sky(textures);
}

void Scene::finishBuilding() {
    if (game) return;
    buildBackdrop();
    loadTextures(true);
    game = new Game(textures, sound, true, rules);
    buildGame();
}

void Scene::buildGame() {
    game->populate();
    // What was decoded ahead and not asked for goes now.
    textures->decoded = nullptr;
    decoded.reset();
}

void Scene::decodePicturesAhead() {
    // In the order they are asked for: what the start screen stands on (the
    // cockpit's, then the sky's) at once, the rest once the first is asked for.
    std::vector<std::string> names = {STARTUP_TEXTURES[0].file, Sky::TEXTURE};
    const size_t backdrop = names.size();
    for (const StartupTexture& texture : STARTUP_TEXTURES)
        if (&texture != &STARTUP_TEXTURES[0]) names.push_back(texture.file);
    for (int i = 0; i < EXPLOSION_FRAMES; ++i) names.push_back(explosionFrame(i));
    decoded = std::make_unique<ImageLoader>(std::move(names), backdrop);
}

void Scene::chooseMode(Mode mode) {
    rules.mode = mode;
    Asteroid::fieldSeed = mode == Mode::Daily ? std::optional<uint32_t>(dailySeed(std::time(nullptr))) : seed;
    if (scores) openScores();
}

void Scene::openScores() {
    scorePlace = -1;
    const std::string best = BestScore::defaultPath();
    if (best.empty()) {
        scores.reset();
        return;
    }
    const std::string folder = best.substr(0, best.rfind('/') + 1);
    const bool daily = rules.mode == Mode::Daily;
    scores = std::make_unique<ScoreTable>(folder + "scores-" + modeName(rules.mode),
                                          daily ? ScoreTable::dateOf(std::time(nullptr)) : "");
    scores->load();
    // The best score kept before there were tables is classic's best.
    if (rules.mode == Mode::Classic && !scores->damaged() && scores->entries().empty() && bestScore &&
        bestScore->best().value_or(0) > 0)
        scores->offer({*bestScore->best(), 0, "-"});
}

void Scene::gameOver() {
    if (!game) return;
    const int64_t points = std::llround(game->myShip->getPoints());
    if (bestScore && rules.mode == Mode::Classic) bestScore->offer(points);
    if (scores) {
        const unsigned wave = game->hasWaves() ? game->waves.number() : 0;
        scorePlace = scores->offer({points, wave, ScoreTable::dateOf(std::time(nullptr))});
    }
}

void Scene::startNewGame() {
    // The old game goes first: its sound device must be closed before the new
    // one opens it again. The steering keys still held are all it hands on.
    const KeySteering held = game ? game->keySteering : KeySteering();
    delete game;
    // What the old game freed goes back to the system before the new one is
    // built, so the allocator's idle blocks do not add up over many games.
    malloc_trim(0);
    game = new Game(textures, sound, true, rules);
    game->populate();
    game->holdKeys(held);
}
