#include "HitFlash.h"

#include "game/Game.h"
#include "settings/Settings.h"
#include "shell/view/View.h"
#include "entities/EnemyShip.h"

#include "shell/hud/Overlay.h"

#include <GL/gl.h>

#include <cmath>

HitFlash::Side HitFlash::sideOf(const CockpitView& view, const Vector3& shooter) {
    const float a = view.edgeToward(shooter).angle;
    const float c = std::cos(a), s = std::sin(a);
    if (std::fabs(c) >= std::fabs(s)) return c < 0 ? LEFT : RIGHT;
    return s < 0 ? TOP : BOTTOM;
}

void HitFlash::hit(uint32_t now, Side from) {
    started = true;
    start = now;
    side = from;
}

float HitFlash::strength(uint32_t now) const {
    if (!started || now - start >= LENGTH_MS) return 0.0f;
    return 1.0f - float(now - start) / float(LENGTH_MS);
}

void HitFlash::show(const CockpitView::Rect& window, uint32_t now) const {
    const float alpha = 0.7f * strength(now);
    if (alpha <= 0.0f) return;
    // A band along one side, strongest at the edge, gone 90 pixels in.
    constexpr float DEPTH = 90.0f;
    float x0 = window.x0, y0 = window.y0, x1 = window.x1, y1 = window.y1;
    switch (side) {
    case LEFT: x1 = x0 + DEPTH; break;
    case RIGHT: x0 = x1 - DEPTH; break;
    case TOP: y1 = y0 + DEPTH; break;
    case BOTTOM: y0 = y1 - DEPTH; break;
    }
    const float edge[4] = {side == LEFT || side == TOP ? alpha : 0.0f,   // at (x0, y0)
                           side == RIGHT || side == TOP ? alpha : 0.0f,  // at (x1, y0)
                           side == RIGHT || side == BOTTOM ? alpha : 0.0f,   // at (x1, y1)
                           side == LEFT || side == BOTTOM ? alpha : 0.0f};   // at (x0, y1)
    Overlay::beginFlat();
    glShadeModel(GL_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glBegin(GL_QUADS);
    glColor4f(1.0f, 0.15f, 0.05f, edge[0]);
    glVertex2f(x0, y0);
    glColor4f(1.0f, 0.15f, 0.05f, edge[1]);
    glVertex2f(x1, y0);
    glColor4f(1.0f, 0.15f, 0.05f, edge[2]);
    glVertex2f(x1, y1);
    glColor4f(1.0f, 0.15f, 0.05f, edge[3]);
    glVertex2f(x0, y1);
    glEnd();
    Overlay::endFlat();
}

void HitFlash::update(const HudFrame& frame) {
    if (frame.events.firstStep) started = false;
    if (frame.events.playerHits > 0) hit(frame.now, sideOf(CockpitView::of(frame), frame.events.shooter));
}

void HitFlash::draw(const HudFrame& frame) {
    if (!frame.settings.hitFlash || !CockpitView::fromCockpit(frame)) return;
    const CockpitMask& mask = frame.view.mask;
    const PictureRect& r = mask.window();
    show(CockpitView::windowOf(r.x0, r.y0, r.x1, r.y1, mask.width(), mask.height()), frame.now);
}
