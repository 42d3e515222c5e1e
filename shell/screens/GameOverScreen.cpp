#include "GameOverScreen.h"

#include "shell/hud/Overlay.h"
#include "settings/Settings.h"
#include "shell/screens/ScreenFrame.h"
#include "assets/Font.h"
#include "platform/BestScore.h"

namespace {
constexpr int GAME_OVER_PASSES = 8;
}

const int GameOverScreen::LINES[3] = {180, 156, 132};

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
    // Font units (640 x 480 over the picture, glyphs 16 high): between the
    // band (down to 204) and the dashboard, whose instrument hump under the
    // lines rises to 126.
    font->print(200, LINES[2], "Your Points: ", 0);
    font->printNumber(350, LINES[2], points, 0);
    if (bestScore) {
        font->print(200, LINES[1], "Best: ", 0);
        if (bestScore->best()) font->printNumber(350, LINES[1], static_cast<float>(*bestScore->best()), 0);
        else font->print(350, LINES[1], "unknown", 0);
    }
    font->print(200, LINES[0], keysLine(frame.settings), 0);
}

std::string GameOverScreen::keysLine(const Settings& settings) {
    const std::string quit = settings.keys.describe(Action::Quit);
    return "Enter: play again   " + (quit == "escape" ? std::string("Esc") : quit) + ": quit";
}
