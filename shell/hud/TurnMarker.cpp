#include "TurnMarker.h"

#include "game/Game.h"
#include "settings/Settings.h"
#include "shell/view/View.h"
#include "entities/MyShip.h"

#include <cmath>

void TurnMarker::draw(const HudFrame& frame) {
    const MyShip& ship = *frame.game.myShip;
    if (ship.getOutsideView() != 0 || !frame.settings.turnMarker) return;
    draw(ship.getYawRate(), ship.getPitchRate());
}

void TurnMarker::draw(float yawRate, float pitchRate) {
    // 0.1 of turn rate (100 pointer pixels) is 40 picture pixels; held to
    // the crosshair's rim beyond 0.125.
    constexpr float SCALE = 400.0f, RIM = 50.0f;
    float dx = yawRate * SCALE, dy = pitchRate * SCALE;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length > RIM) {
        dx *= RIM / length;
        dy *= RIM / length;
    }
    const float x = PICTURE_WIDTH / 2 + dx, y = PICTURE_HEIGHT / 2 + dy;
    begin();
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glColor3f(1.0f, 0.75f, 0.2f);
    glBegin(GL_LINE_LOOP);   // a small diamond
    glVertex2f(x, y - 6);
    glVertex2f(x + 6, y);
    glVertex2f(x, y + 6);
    glVertex2f(x - 6, y);
    glEnd();
    glPopAttrib();
    end();
}
