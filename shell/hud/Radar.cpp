#include "Radar.h"

#include "game/Game.h"
#include "settings/Settings.h"
#include "shell/view/View.h"
#include "entities/MyShip.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// A square of picture pixels about a point.
void square(float x, float y, float half) {
    glVertex2f(x - half, y - half);
    glVertex2f(x + half, y - half);
    glVertex2f(x + half, y + half);
    glVertex2f(x - half, y + half);
}

}

namespace {

bool shown(const HudFrame& frame) {
    return frame.game.myShip->getOutsideView() == 0 && frame.view.options.radarShown;
}

}

void Radar::update(const HudFrame& frame) {
    if (shown(frame)) update(*frame.game.world, *frame.game.myShip);
}

void Radar::draw(const HudFrame& frame) {
    // The enemy's height stalk belongs with the arrow that points to it.
    if (shown(frame)) draw(frame.cockpitTexture, frame.settings.enemyArrow);
}

const std::vector<Radar::Blip>& Radar::update(const World& world, const MyShip& ship) {
    blips.clear();
    const Vector3 p = ship.getPosition();
    const Vector3 ahead = ship.getDirection().unitCopy();
    const Vector3 up = ship.getFrame().column(1).unitCopy();
    const Vector3 right = cross(ahead, up);
    for (const SpaceObject* object : world.objects) {
        if (object == &ship) continue;
        const bool enemy = std::strcmp(object->getTypeName(), "EnemyShip") == 0;
        const Vector3 offset = object->getPosition() - p;
        Blip blip;
        blip.x = dot(right, offset) / RANGE;
        blip.y = dot(ahead, offset) / RANGE;
        blip.height = dot(up, offset) / RANGE;
        blip.enemy = enemy;
        // The range is a sphere: a rock far above or below is out of range
        // however close it stands in the ship's plane.
        const float distance = std::sqrt(blip.x * blip.x + blip.y * blip.y + blip.height * blip.height);
        if (distance > 1.0f && !enemy) continue;
        // Held at the rim in its direction on the scope, its whole square
        // inside the disc (drawn on the rim, half of it lay on the cockpit);
        // straight above or below it has no direction, so it stays at the centre.
        const float flat = std::sqrt(blip.x * blip.x + blip.y * blip.y);
        const float inside = 1.0f - ((enemy ? ENEMY_HALF : ROCK_HALF) + 1.0f) / RADIUS;
        if (flat > 1e-6f && (distance > 1.0f || flat > inside)) {
            blip.x *= inside / flat;
            blip.y *= inside / flat;
        }
        blips.push_back(blip);
    }
    return blips;
}

float Radar::stalk(const Blip& b) {
    constexpr float LONGEST = 30.0f, LEVEL = 0.03f;
    if (std::fabs(b.height) < LEVEL) return 0.0f;
    const float length = std::min(LONGEST, 8.0f + std::fabs(b.height) * RADIUS);
    return b.height > 0.0f ? -length : length;
}

void Radar::draw(GLuint cockpitTexture, bool heights) const {
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT);
    begin();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_COLOR_MATERIAL);   // the blips' colours must not stay in the rocks' material
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_EQUAL, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);

    // The last frame's blips go under the painted scope again: only its square
    // is repainted, the rest of the cockpit stays as it is.
    const float half = RADIUS + 5.0f;
    const float x0 = CENTRE_X - half, x1 = CENTRE_X + half, y0 = CENTRE_Y - half, y1 = CENTRE_Y + half;
    auto u = [](float x) { return x / PICTURE_WIDTH; };
    auto v = [](float y) { return 1.0f - y / PICTURE_HEIGHT; };
    if (cockpitTexture != 0) {
        glColor3f(1, 1, 1);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, cockpitTexture);
    } else {
        glColor3f(0, 0, 0);   // no picture to repaint from: a dark square still wipes the old blips
    }
    glBegin(GL_QUADS);
    glTexCoord2f(u(x0), v(y0));
    glVertex2f(x0, y0);
    glTexCoord2f(u(x1), v(y0));
    glVertex2f(x1, y0);
    glTexCoord2f(u(x1), v(y1));
    glVertex2f(x1, y1);
    glTexCoord2f(u(x0), v(y1));
    glVertex2f(x0, y1);
    glEnd();
    glDisable(GL_TEXTURE_2D);

    // Far above or below, a blip fades to a third: still there, clearly not level.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_QUADS);
    for (const Blip& b : blips) {
        const float alpha = 1.0f - std::min(std::fabs(b.height), 1.0f) * 0.65f;
        const float x = CENTRE_X + b.x * RADIUS, y = CENTRE_Y - b.y * RADIUS;
        if (b.enemy) {
            glColor4f(1.0f, 0.15f, 0.1f, alpha);
            square(x, y, ENEMY_HALF);
        } else {
            glColor4f(0.75f, 1.0f, 0.8f, alpha);
            square(x, y, ROCK_HALF);
        }
    }
    glEnd();
    if (heights) {
        glBegin(GL_LINES);
        for (const Blip& b : blips) {
            const float length = b.enemy ? stalk(b) : 0.0f;
            if (length == 0.0f) continue;
            const float x = CENTRE_X + b.x * RADIUS, y = CENTRE_Y - b.y * RADIUS;
            // Inside the square repainted each frame, or it would stay on the cockpit.
            const float end = std::clamp(y + length, CENTRE_Y - half + 1.0f, CENTRE_Y + half - 1.0f);
            glColor4f(1.0f, 0.15f, 0.1f, 1.0f);
            glVertex2f(x, y);
            glVertex2f(x, end);
            glVertex2f(x - 4, end);   // a foot across the stalk's end
            glVertex2f(x + 4, end);
        }
        glEnd();
    }
    end();
    glPopAttrib();
}
