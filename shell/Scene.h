#pragma once

#include "world/World.h"

class TextureBank;
class Sky;
class Font;
class Game;
class BestScore;

// What lives as long as the program: the pictures, the sky, the font and the
// kept best score. The game being played is replaced by each new game.
extern TextureBank* textureBank;
extern Sky* sky;
extern Font* font;
extern BestScore* bestScore;   // the kept best points; null when not kept
extern Game* game;             // the game being played

// Starts reading the start-up textures' pictures on a thread of their own,
// so that they are ready once the display has opened. Needs the data folder.
void decodePicturesAhead();

// Builds the fixed scene in its required order: textures, World, sky, font,
// shared display lists and vertex arrays, the player's ship, laser, star
// field, 26 asteroids and the enemy ship.
void buildScene(const SoundChoice& sound = SoundChoice());

// The player's volumes and music switch (settings) applied to the game
// being played, and to every new one.
void applySoundLevels();

// Throws the current game away and starts another with the same sound choice:
// every rock back, full power, no points, the enemy at its start.
void startNewGame();
