#include "TargetBox.h"

#include "game/Game.h"
#include "settings/Settings.h"
#include "entities/EnemyShip.h"
#include "entities/MyShip.h"

#include "assets/Font.h"
#include "shell/hud/Overlay.h"

#include <GL/gl.h>

#include <algorithm>

TargetBox::Placed TargetBox::place(const CockpitView& view, const Vector3& eye, const Vector3& centre, float radius) {
    Placed box;
    const CockpitView::Seen seen = view.see(centre);
    if (!seen.inView) return box;
    const float half = std::max(SMALLEST_HALF, 1.3f * radius * view.scaleAt(seen.depth));
    box.shown = true;
    box.x0 = seen.x - half;
    box.x1 = seen.x + half;
    box.y0 = seen.y - half;
    box.y1 = seen.y + half;
    box.distance = (centre - eye).length();
    return box;
}

void TargetBox::draw(const Placed& box, Font& font) {
    if (!box.shown) return;
    Overlay::beginFlat();
    glColor3f(1.0f, 0.3f, 0.2f);
    glLineWidth(1.5f);
    // Corners only: the ship itself stays in plain sight.
    const float w = (box.x1 - box.x0) * 0.3f;
    const float xs[2] = {box.x0, box.x1}, ys[2] = {box.y0, box.y1};
    glBegin(GL_LINES);
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            const float sx = i ? -w : w, sy = j ? -w : w;
            glVertex2f(xs[i], ys[j]);
            glVertex2f(xs[i] + sx, ys[j]);
            glVertex2f(xs[i], ys[j]);
            glVertex2f(xs[i], ys[j] + sy);
        }
    }
    glEnd();
    Overlay::endFlat();
    // The font's 640 x 480 units from the lower left.
    const int fx = int((box.x1 + 6.0f) * 640.0f / 1024.0f), fy = int((768.0f - box.y0) * 480.0f / 768.0f) - 10;
    font.printNumber(fx, fy, box.distance, 0);
}

void TargetBox::draw(const HudFrame& frame) {
    if (!frame.settings.targetBox || !frame.font || !CockpitView::fromCockpit(frame)) return;
    const CockpitView view = CockpitView::of(frame);
    for (const EnemyShip* enemy : frame.game.enemies)
        draw(place(view, frame.game.myShip->getPosition(), enemy->getPosition(), enemy->getRadius()), *frame.font);
}
