#include "Dials.h"

#include "game/Game.h"
#include "settings/Settings.h"
#include "entities/MyShip.h"

#include "assets/CockpitDials.h"
#include "shell/hud/Overlay.h"

#include <algorithm>
#include <cmath>

namespace {

float held(float f) {
    return f >= 0.0f ? std::min(f, 1.0f) : 0.0f;   // NaN fails the test: 0
}

}

float Dials::speedFraction(float speed) {
    return held((speed + 100.0f) / 200.0f);
}

float Dials::powerFraction(float power) {
    return held(power / 500.0f);
}

float Dials::needleAngle(float fraction) {
    return float(3.14159265358979323846 * (CockpitDials::START + CockpitDials::SWEEP * held(fraction)));
}

void Dials::draw(GLuint faces, float speed, float power) {
    using namespace CockpitDials;
    if (faces == 0) return;
    const struct {
        float x, y, fraction;
    } dials[2] = {{float(SPEED_X), float(SPEED_Y), speedFraction(speed)},
                  {float(POWER_X), float(POWER_Y), powerFraction(power)}};
    glPushAttrib(GL_LIGHTING_BIT | GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT | GL_CURRENT_BIT |
                 GL_TEXTURE_BIT | GL_LINE_BIT);
    Overlay::begin();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_COLOR_MATERIAL);   // the needles' colour must not stay in the rocks' material
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_EQUAL, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, faces);
    const float half = FACE_SIZE / 2.0f;
    glBegin(GL_QUADS);
    for (int i = 0; i < 2; ++i) {
        const float s0 = i * 0.5f, s1 = s0 + 0.5f;
        const float x0 = dials[i].x - half, x1 = dials[i].x + half, y0 = dials[i].y - half, y1 = dials[i].y + half;
        glTexCoord2f(s0, 1);
        glVertex2f(x0, y0);
        glTexCoord2f(s1, 1);
        glVertex2f(x1, y0);
        glTexCoord2f(s1, 0);
        glVertex2f(x1, y1);
        glTexCoord2f(s0, 0);
        glVertex2f(x0, y1);
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glColor3f(1.0f, 0.45f, 0.2f);
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    for (const auto& d : dials) {
        const float a = needleAngle(d.fraction), length = float(RADIUS * NEEDLE);
        glVertex2f(d.x, d.y);
        glVertex2f(d.x + std::cos(a) * length, d.y + std::sin(a) * length);
    }
    glEnd();
    glColor3f(0.6f, 0.6f, 0.65f);   // the hub over the needle's root
    glBegin(GL_QUADS);
    for (const auto& d : dials) {
        glVertex2f(d.x - 3, d.y - 3);
        glVertex2f(d.x + 3, d.y - 3);
        glVertex2f(d.x + 3, d.y + 3);
        glVertex2f(d.x - 3, d.y + 3);
    }
    glEnd();
    Overlay::end();
    glPopAttrib();
}

void Dials::draw(const HudFrame& frame) {
    const MyShip& ship = *frame.game.myShip;
    if (!frame.settings.dials || ship.getOutsideView() != 0) return;
    draw(frame.dialsTexture, ship.getSpeed(), ship.getEnergy());
}
