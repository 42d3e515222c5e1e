#include "HitMarker.h"

#include "game/Game.h"
#include "shell/guides/CockpitView.h"
#include "settings/Settings.h"

#include "shell/hud/Overlay.h"

#include <GL/gl.h>

void HitMarker::struck(uint32_t now) {
    started = true;
    start = now;
}

bool HitMarker::shown(uint32_t now) const {
    return started && now - start < LENGTH_MS;
}

void HitMarker::show(uint32_t now) const {
    if (!shown(now)) return;
    constexpr float CX = 512.0f, CY = 384.0f, NEAR = 10.0f, FAR = 22.0f;
    Overlay::beginFlat();
    glDisable(GL_BLEND);
    glColor3f(1.0f, 0.95f, 0.6f);
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    for (int i = 0; i < 4; ++i) {
        const float sx = (i & 1) ? 1.0f : -1.0f, sy = (i & 2) ? 1.0f : -1.0f;
        glVertex2f(CX + sx * NEAR, CY + sy * NEAR);
        glVertex2f(CX + sx * FAR, CY + sy * FAR);
    }
    glEnd();
    Overlay::endFlat();
}

void HitMarker::update(const HudFrame& frame) {
    if (frame.events.firstStep) started = false;
    if (frame.events.shotsStruck > 0) struck(frame.now);
}

void HitMarker::draw(const HudFrame& frame) {
    if (!frame.settings.hitFlash || !CockpitView::fromCockpit(frame)) return;
    show(frame.now);
}
