#include "AimRing.h"

#include "game/Game.h"
#include "shell/guides/CockpitView.h"
#include "shell/view/View.h"
#include "entities/MyShip.h"

#include <algorithm>
#include <cmath>

namespace {

// Picture pixels per view unit: the half height, 384 pixels, spans HALF_HEIGHT.
constexpr float FOCAL = 384.0f / AimMark::HALF_HEIGHT;
constexpr float INSET = 12.0f;   // the whole ring shows at the picture's edge

}

AimRing::Spot AimRing::place(const MyShip& ship, const AimMark& mark) {
    if (ship.getOutsideView() == 0)
        return {CockpitView::CENTRE_X + mark.x() * FOCAL, CockpitView::CENTRE_Y + mark.y() * FOCAL};
    // The camera as the frame loop places it for the outside view: two radii
    // behind and 1.1 above the ship, looking at the point just ahead of it.
    const float r = ship.getRadius();
    const Vector3 p = ship.getPosition(), f = ship.getDirection(), u = ship.getFrame().column(1);
    const Vector3 eye = p + u.unitCopy() * (1.1f * r) - f.unitCopy() * (2.0f * r);
    const Vector3 ahead = (p + f - eye).unitCopy();
    const Vector3 right = cross(ahead, u).unitCopy();
    const CockpitView camera(eye, ahead, cross(right, ahead), {0.0f, 0.0f, 1024.0f, 768.0f});
    // Far enough out that the camera's offset from the ship does not show.
    const CockpitView::Seen seen = camera.see(p + mark.direction(ship) * 3000.0f);
    return {std::clamp(seen.x, INSET, PICTURE_WIDTH - INSET), std::clamp(seen.y, INSET, PICTURE_HEIGHT - INSET)};
}

void AimRing::draw(const HudFrame& frame) {
    if (frame.game.rules.steering != Steering::Aim) return;
    draw(place(*frame.game.myShip, frame.game.aim));
}

void AimRing::draw(const Spot& spot) {
    beginFlat();
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glLineWidth(2.0f);
    glColor3f(1.0f, 0.45f, 0.9f);   // apart from the green crosshair, the amber diamond and the cyan field arrow
    glBegin(GL_LINE_LOOP);
    constexpr int SIDES = 20;
    for (int i = 0; i < SIDES; ++i) {
        const float a = 6.2831853f * float(i) / SIDES;
        glVertex2f(spot.x + RADIUS * std::cos(a), spot.y + RADIUS * std::sin(a));
    }
    glEnd();
    endFlat();
}
