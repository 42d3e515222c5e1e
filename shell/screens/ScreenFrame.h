#pragma once

#include <GL/gl.h>

class BestScore;
class Font;
class ScoreTable;
struct Settings;

// What a screen's picture is drawn from: handed in by the screens, never looked up.
struct ScreenFrame {
    const Settings& settings;       // the keys named on screen are the player's
    Font* font;                     // null while there is none
    const BestScore* bestScore;     // null when the best is not kept
    float points;                   // the game's points
    GLuint gameOverTexture;         // the game-over band
    unsigned wave = 0;              // the score attack's wave in play; 0 in a classic game
    const ScoreTable* scores = nullptr;   // the mode's ten best; null when not kept
    int place = -1;                 // the game just over in it, from 0; -1: not among them
    bool daily = false;             // the table is the day's
    float challenge = -1.0f;        // a challenge's points to beat; below 0: no challenge
};
