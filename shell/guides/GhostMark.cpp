#include "GhostMark.h"

#include "entities/MyShip.h"
#include "game/Game.h"


#include "shell/guides/CockpitView.h"

#include <GL/gl.h>

namespace {
constexpr float HALF = 7.0f;   // picture pixels: smaller than the enemy's box, never taken for it
}

bool GhostMark::apart(const GhostTrack::Sample& ghost, const Vector3& eye) {
    return (ghost.position - eye).length() > 40.0f;   // world units: three of the ship's radii
}

void GhostMark::draw(const HudFrame& frame) {
    if (!frame.ghost || frame.ghost->gone || !CockpitView::fromCockpit(frame)) return;
    if (!apart(*frame.ghost, frame.game.myShip->getPosition())) return;
    const CockpitView::Seen seen = CockpitView::of(frame).see(frame.ghost->position);
    if (!seen.inView) return;
    Overlay::beginFlat();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.55f, 0.8f, 1.0f, 0.8f);
    glLineWidth(1.0f);
    glBegin(GL_LINE_LOOP);
    glVertex2f(seen.x - HALF, seen.y - HALF);
    glVertex2f(seen.x + HALF, seen.y - HALF);
    glVertex2f(seen.x + HALF, seen.y + HALF);
    glVertex2f(seen.x - HALF, seen.y + HALF);
    glEnd();
    glDisable(GL_BLEND);
    Overlay::endFlat();
}

void GhostMark::drawShape(const GhostTrack::Sample& ghost) {
    const Vector3 f = ghost.forward, u = ghost.up, s = cross(f, u);
    const Vector3 p = ghost.position;
    // A dart of the ship's size (radius 13): nose, wing tips, a raised tail.
    const Vector3 nose = p + f * 14.0f, left = p - f * 8.0f - s * 11.0f, right = p - f * 8.0f + s * 11.0f,
                  tail = p - f * 6.0f + u * 4.0f;
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glDepthMask(GL_FALSE);   // seen through, and hiding nothing behind it
    glColor4f(0.4f, 0.7f, 1.0f, 0.35f);
    glBegin(GL_TRIANGLES);
    for (const Vector3* t : {&left, &right, &tail}) {
        const Vector3& a = *t;
        const Vector3& b = t == &left ? right : t == &right ? tail : left;
        glVertex3f(nose.x, nose.y, nose.z);
        glVertex3f(a.x, a.y, a.z);
        glVertex3f(b.x, b.y, b.z);
    }
    glEnd();
    glPopAttrib();
}
