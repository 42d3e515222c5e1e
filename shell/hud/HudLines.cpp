#include "HudLines.h"

#include "game/Game.h"
#include "timing/FrameClock.h"
#include "shell/view/View.h"
#include "assets/Font.h"
#include "entities/MyShip.h"

#include <algorithm>
#include <cmath>

const char* HudLines::drawModeText(int mode) {
    switch (mode) {
    case 0: return "no DLs, no VAs";
    case 1: return "Using display lists";
    case 2: return "Using vertex arrays";
    default: return "";
    }
}

void HudLines::draw(const HudFrame& frame) {
    Font* font = frame.font;
    if (!font) return;
    const MyShip& ship = *frame.game.myShip;
    font->print(10, 200, "speed: ", 0);
    font->printNumber(80, 200, ship.getSpeed(), 0);
    font->print(10, 180, "power: ", 0);
    // The last bump may cost more than was left; gone is 0, not less.
    font->printNumber(80, 180, std::max(ship.getEnergy(), 0.0f), 0);
    // Below the fps line, which keeps its place.
    font->print(10, 135, "points: ", 0);
    font->printNumber(90, 135, ship.getPoints(), 0);
    // Beside the points it counts towards.
    if (frame.game.hasWaves()) font->print(200, 135, "wave " + std::to_string(frame.game.waves.number()), 0);
    // The best game's points at the same moment, to race.
    if (frame.ghost) font->print(290, 135, "ghost " + std::to_string(std::lround(frame.ghost->points)), 0);
    if (frame.view.options.showStats) {
        font->print(10, 155, frame.clock.fpsText(), 0);
        font->print(10, 227, drawModeText(frame.game.world->drawMode), 0);
    }
    // Above the crosshair.
    if (frame.status) font->print(320 - 5 * int(frame.status->size()), 330, *frame.status, 0);
    glDisable(GL_TEXTURE_2D);
}
