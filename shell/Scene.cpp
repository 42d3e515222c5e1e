#include "Scene.h"

#include "Game.h"
#include "ShellState.h"
#include "assets/Font.h"
#include "assets/Sky.h"
#include "assets/TextureBank.h"

#include <cstdio>

#include <malloc.h>

TextureBank* textureBank = nullptr;
Sky* sky = nullptr;
Font* font = nullptr;
BestScore* bestScore = nullptr;
Game* game = nullptr;

namespace {

SoundChoice soundChoice;

void loadTextures() {
    textureBank = new TextureBank();
    textureBank->loadTexture("../bin/data/cockpit/cockpit.bmp", 6);
    textureBank->loadTexture("../bin/data/cockpit/CrossHair.bmp", 8);
    textureBank->loadTexture("../bin/data/div/GameOver.bmp", 9);
    textureBank->loadTexture("../bin/oberf2k2.bmp", 10);
    textureBank->loadTexture("../bin/ober4k.bmp", 11);
    textureBank->loadTexture("../bin/ober3k.bmp", 12);
    for (int i = 0; i < 52; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "../bin/data/explosion/ex%02d.bmp", i);
        textureBank->loadTexture(name, i + 13);
    }
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
