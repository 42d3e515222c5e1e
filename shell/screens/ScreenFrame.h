#pragma once

#include <GL/gl.h>

class BestScore;
class Font;
struct Settings;

// What a screen's picture is drawn from: handed in by the screens, never looked up.
struct ScreenFrame {
    const Settings& settings;       // the keys named on screen are the player's
    Font* font;                     // null while there is none
    const BestScore* bestScore;     // null when the best is not kept
    float points;                   // the game's points
    GLuint gameOverTexture;         // the game-over band
};
