#include "GameOverScreen.h"

#include "shell/hud/Overlay.h"
#include "shell/screens/ScreenFrame.h"
#include "assets/Font.h"
#include "platform/BestScore.h"

namespace {
constexpr int GAME_OVER_PASSES = 8;
}

void GameOverScreen::draw(const ScreenFrame& frame) const {
    Overlay::begin();
    glDisable(GL_STENCIL_TEST);
    // Added onto the same picture frame after frame, the band's colours
    // saturated within a few frames; drawn onto a fresh copy of the last view
    // each frame, it is added that many times at once.
    Overlay::addAtCentre(frame.gameOverTexture, 500, 58, GAME_OVER_PASSES);
    Overlay::end();
    Font* font = frame.font;
    if (!font) return;
    const float points = frame.points;
    const BestScore* bestScore = frame.bestScore;
    font->print(200, 100, "Your Points: ", 0);
    font->printNumber(350, 100, points, 0);
    // Above the points, below the band: clear of the dashboard's dials.
    if (bestScore) {
        font->print(200, 125, "Best: ", 0);
        if (bestScore->best()) font->printNumber(350, 125, static_cast<float>(*bestScore->best()), 0);
        else font->print(350, 125, "unknown", 0);
    }
    font->print(200, 150, "Enter: play again   Esc: quit", 0);
}
