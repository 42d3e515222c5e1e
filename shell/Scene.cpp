#include "Scene.h"

#include "Game.h"
#include "ShellState.h"
#include "assets/Font.h"
#include "assets/ImageLoader.h"
#include "assets/Sky.h"
#include "assets/TextureBank.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <malloc.h>

TextureBank* textureBank = nullptr;
Sky* sky = nullptr;
Font* font = nullptr;
BestScore* bestScore = nullptr;
Game* game = nullptr;

namespace {

SoundChoice soundChoice;

struct StartupTexture {
    const char* file;
    int slot;
};
const StartupTexture STARTUP_TEXTURES[] = {
    {"../bin/data/cockpit/cockpit.bmp", 6}, {"../bin/data/cockpit/dials.bmp", 7}, {"../bin/data/cockpit/CrossHair.bmp", 8},
    {"../bin/data/div/GameOver.bmp", 9},    {"../bin/oberf2k2.bmp", 10},
    {"../bin/ober4k.bmp", 11},              {"../bin/ober3k.bmp", 12}};
const int EXPLOSION_FRAMES = 52, FIRST_EXPLOSION_SLOT = 13;

std::unique_ptr<ImageLoader> picturesAhead;

std::string explosionFrame(int i) {
    char name[64];
    std::snprintf(name, sizeof name, "../bin/data/explosion/ex%02d.bmp", i);
    return name;
}

void loadTextures() {
    textureBank = new TextureBank();
    textureBank->decoded = picturesAhead.get();
    for (const StartupTexture& texture : STARTUP_TEXTURES) textureBank->loadTexture(texture.file, texture.slot);
    for (int i = 0; i < EXPLOSION_FRAMES; ++i) textureBank->loadTexture(explosionFrame(i), FIRST_EXPLOSION_SLOT + i);
}

}

namespace {

SoundChoice withLevels(SoundChoice choice) {
    choice.effectsVolume = settings.effectsVolume;
    choice.musicVolume = settings.musicVolume;
    choice.musicOn = settings.musicOn;
    return choice;
}

}

void applySoundLevels() {
    soundChoice = withLevels(soundChoice);
    if (game) game->world->setSoundLevels(soundChoice);
}

void buildScene(const SoundChoice& sound) {
    soundChoice = withLevels(sound);
    loadTextures();
    game = new Game(textureBank, soundChoice);
    sky = new Sky(textureBank);
    font = new Font();
    game->populate();
    // What was decoded ahead and not asked for goes now.
    textureBank->decoded = nullptr;
    picturesAhead.reset();
}

void decodePicturesAhead() {
    std::vector<std::string> names;
    for (const StartupTexture& texture : STARTUP_TEXTURES) names.push_back(texture.file);
    for (int i = 0; i < EXPLOSION_FRAMES; ++i) names.push_back(explosionFrame(i));
    names.push_back(Sky::TEXTURE);
    picturesAhead = std::make_unique<ImageLoader>(std::move(names));
}

void startNewGame() {
    // The old game goes first: its sound device must be closed before the new
    // one opens it again.
    delete game;
    // What the old game freed goes back to the system before the new one is
    // built, so the allocator's idle blocks do not add up over many games.
    malloc_trim(0);
    game = new Game(textureBank, withLevels(soundChoice));
    game->populate();
}
