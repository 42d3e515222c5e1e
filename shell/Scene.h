#pragma once

#include "game/GameRules.h"
#include "world/World.h"

#include <cstdint>
#include <memory>
#include <optional>

class TextureBank;
class Sky;
class Font;
class Game;
class BestScore;
class ScoreTable;
class ImageLoader;

// The one owner of what lives as long as the program (the pictures, the sky,
// the font and the kept best score) and of the game being played, which each
// new game replaces. The sound levels every game opens with are kept here too.
class Scene {
public:
    Scene();
    ~Scene();
    // Starts reading the start-up textures' pictures on a thread of their
    // own, so that they are ready once the display has opened. Needs the data folder.
    void decodePicturesAhead();

    // Builds the fixed scene in its required order: textures, World, sky,
    // font, shared display lists and vertex arrays, the player's ship, laser,
    // star field, 26 asteroids and the enemy ship.
    void build(const SoundChoice& sound = SoundChoice());
    // The same in steps, for a player whose first picture is the start
    // screen: what that picture needs (the font: its words alone), then,
    // once it is shown, what the start screen stands on (the cockpit picture
    // and the sky), then the rest (the other textures, the sound, the models
    // and the objects, the music). Each later step does nothing once done,
    // and the last takes the one before first if it was not taken.
    void buildFirstPicture(const SoundChoice& sound);
    void buildBackdrop();
    void finishBuilding();
    // The start screen's first picture is built and what it stands on not
    // yet: that picture shows its words alone, and nothing needs the mask's stencil.
    bool firstPictureOnly() const { return font && !sky; }

    // The player's volumes and music switch, applied to the game being
    // played and to every new one.
    void setSoundLevels(int effectsVolume, int musicVolume, bool musicOn);

    // The games from here on are played by `mode`, the next one built anew.
    // The day's game takes the day's seed, the others the one given.
    void chooseMode(Mode mode);

    // The table of the mode's best games opened from the data folder (the
    // day's, for the daily game); classic's starts from the kept best score.
    void openScores();
    // The game is over: its points offered to the best score (classic's) and
    // to the mode's table, where `scorePlace` says where it went.
    void gameOver();

    // Throws the current game away and starts another with the same sound
    // choice: every rock back, full power, no points, the enemy at its start.
    void startNewGame();

    TextureBank* textures = nullptr;
    Sky* sky = nullptr;
    Font* font = nullptr;
    BestScore* bestScore = nullptr;   // the kept best points; null when not kept (a replay, a test)
    std::unique_ptr<ScoreTable> scores;   // the mode's ten best; null when not kept
    int scorePlace = -1;              // the last game's place in it, from 0; -1: none
    Game* game = nullptr;             // the game being played; null before the first is built
    GameRules rules;                  // every game of the run is played by them
    std::optional<uint32_t> seed;     // the seed the player gave; unset: the calendar time

private:
    // The sound choice kept (its levels as set before), the texture bank opened.
    void beginBuilding(const SoundChoice& choice);
    // All but the backdrop's, when it has them already.
    void loadTextures(bool backdropLoaded);
    void buildGame();

    SoundChoice sound;
    std::unique_ptr<ImageLoader> decoded;   // the start-up pictures, until the textures take them
};
