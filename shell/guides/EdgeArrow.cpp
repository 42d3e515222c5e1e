#include "EdgeArrow.h"

#include "game/Game.h"
#include "settings/Settings.h"
#include "entities/EnemyShip.h"

#include "shell/hud/Overlay.h"

#include <GL/gl.h>

#include <cmath>

void EdgeArrow::draw(const CockpitView::Edge& edge, Colour colour) {
    const float c = std::cos(edge.angle), s = std::sin(edge.angle);
    // The shape along +x with its tip at the origin, turned onto the heading.
    auto vertex = [&](float x, float y) { glVertex2f(edge.x + x * c - y * s, edge.y + x * s + y * c); };
    Overlay::beginFlat();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(colour.r, colour.g, colour.b, 0.85f);
    glBegin(GL_TRIANGLES);
    vertex(0, 0);
    vertex(-26, -15);
    vertex(-26, 15);
    vertex(-26, -6);
    vertex(-26, 6);
    vertex(-44, 0);
    glEnd();
    Overlay::endFlat();
}

void EdgeArrow::pointTo(const CockpitView& view, const Vector3& target, Colour colour) {
    if (!view.see(target).inView) draw(view.edgeToward(target), colour);
}

void EdgeArrow::draw(const HudFrame& frame) {
    if (!frame.settings.enemyArrow || !CockpitView::fromCockpit(frame)) return;
    // Among several, the one that matters first.
    if (const EnemyShip* enemy = frame.game.nearestEnemy())
        pointTo(CockpitView::of(frame), enemy->getPosition(), {1.0f, 0.3f, 0.2f});
}
