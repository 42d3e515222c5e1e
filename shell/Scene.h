#pragma once

#include "world/World.h"

class TextureBank;
class World;
class Sky;
class Font;
class MyShip;
class Laser;
class StarField;
class EnemyShip;
class BestScore;

// The long-lived objects of the game, built once by buildScene.
extern TextureBank* textureBank;
extern World* world;
extern Sky* sky;
extern Font* font;
extern MyShip* myShip;
extern Laser* laser;
extern StarField* starField;
extern EnemyShip* enemyShip;
extern BestScore* bestScore;   // the kept best points; null when not kept

// Builds the fixed scene in its required order: textures, World, sky, font,
// shared display lists and vertex arrays, the player's ship, laser, star
// field, 26 asteroids and the enemy ship.
void buildScene(const SoundChoice& sound = SoundChoice());
