#include "CockpitView.h"

#include "game/Game.h"
#include "shell/hud/Overlay.h"
#include "shell/view/View.h"
#include "entities/MyShip.h"

#include <algorithm>
#include <cmath>

namespace {

// The picture's half height (384 pixels) spans tan(40 degrees).
const float FOCAL = 384.0f / std::tan(40.0f * 3.14159265f / 180.0f);

}

CockpitView::CockpitView(const Vector3& eye_, const Vector3& ahead_, const Vector3& up_, const Rect& window_)
    : eye(eye_), ahead(ahead_.unitCopy()), up(up_.unitCopy()), right(cross(ahead, up)), window(window_) {}

CockpitView::Rect CockpitView::windowOf(int x0, int y0, int x1, int y1, int maskWidth, int maskHeight) {
    if (maskWidth <= 0 || maskHeight <= 0 || x1 <= x0 || y1 <= y0) return {0.0f, 0.0f, 1024.0f, 768.0f};
    const float sx = 1024.0f / float(maskWidth), sy = 768.0f / float(maskHeight);
    return {x0 * sx, (maskHeight - y1) * sy, x1 * sx, (maskHeight - y0) * sy};
}

float CockpitView::scaleAt(float depth) const {
    return depth > 0.0f ? FOCAL / depth : 0.0f;
}

CockpitView::Seen CockpitView::see(const Vector3& point) const {
    const Vector3 d = point - eye;
    Seen s;
    s.depth = dot(d, ahead);
    // Nearer than the camera's near plane shows nothing either.
    s.ahead = s.depth > 1.0f;
    if (!s.ahead) return s;
    s.x = CENTRE_X + dot(d, right) * scaleAt(s.depth);
    s.y = CENTRE_Y - dot(d, up) * scaleAt(s.depth);
    s.inView = s.x >= window.x0 && s.x < window.x1 && s.y >= window.y0 && s.y < window.y1;
    return s;
}

CockpitView::Edge CockpitView::edgeToward(const Vector3& point, float tie) const {
    const Vector3 d = point - eye;
    float dx = dot(d, right), dy = -dot(d, up);
    const float across = std::sqrt(dx * dx + dy * dy);
    if (across < 1e-3f * std::max(1.0f, std::fabs(dot(d, ahead)))) {
        dx = std::cos(tie);
        dy = std::sin(tie);
    }
    // An ellipse about the crosshair, inside the window's nearer sides.
    const float a = std::max(10.0f, std::min(CENTRE_X - window.x0, window.x1 - CENTRE_X) - RIM_INSET);
    const float b = std::max(10.0f, std::min(CENTRE_Y - window.y0, window.y1 - CENTRE_Y) - RIM_INSET);
    const float t = 1.0f / std::sqrt((dx / a) * (dx / a) + (dy / b) * (dy / b));
    return {CENTRE_X + dx * t, CENTRE_Y + dy * t, std::atan2(dy, dx)};
}

CockpitView CockpitView::of(const HudFrame& frame) {
    const MyShip& ship = *frame.game.myShip;
    const CockpitMask& mask = frame.view.mask;
    const PictureRect& r = mask.window();
    return CockpitView(ship.getPosition(), ship.getDirection(), ship.getFrame().column(1),
                       windowOf(r.x0, r.y0, r.x1, r.y1, mask.width(), mask.height()));
}

bool CockpitView::fromCockpit(const HudFrame& frame) {
    return frame.game.myShip->getOutsideView() == 0;
}
