#include "Hud.h"

#include "Scene.h"
#include "ShellState.h"
#include "assets/Font.h"
#include "assets/TextureBank.h"
#include "entities/MyShip.h"
#include "platform/BestScore.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <GL/gl.h>

namespace {

constexpr int GAME_OVER_PASSES = 8;

void texturedQuadAtCentre(int halfWidth, int halfHeight) {
    const int cx = PICTURE_WIDTH / 2, cy = PICTURE_HEIGHT / 2;
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex2i(cx - halfWidth, cy - halfHeight);
    glTexCoord2f(0, 0);
    glVertex2i(cx - halfWidth, cy + halfHeight);
    glTexCoord2f(1, 0);
    glVertex2i(cx + halfWidth, cy + halfHeight);
    glTexCoord2f(1, 1);
    glVertex2i(cx + halfWidth, cy - halfHeight);
    glEnd();
}

void beginAdditivePicture(int slot) {
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glBindTexture(GL_TEXTURE_2D, textureBank->slots[size_t(slot)]);
}

void endAdditivePicture() {
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    endOverlay();
}

}

const char* drawModeText(int mode) {
    switch (mode) {
    case 0: return "no DLs, no VAs";
    case 1: return "Using display lists";
    case 2: return "Using vertex arrays";
    default: return "";
    }
}

namespace {

// The cockpit picture's plane, in the cockpit's pixels of the stencil only.
// At 3.5765 units the 80-degree view shows 6 units of height: an 8 x 6 quad
// just fills a 4:3 screen. Leaves the translation in the model-view matrix.
void beginCockpitPicture() {
    glEnable(GL_STENCIL_TEST);
    glDisable(GL_LIGHTING);
    glStencilFunc(GL_EQUAL, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glTranslatef(0.0f, 0.0f, -3.5765f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textureBank->slots[6]);
    glBegin(GL_QUADS);
}

void endCockpitPicture() {
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
}

// The part of the picture between (s0, t0) and (s1, t1), texture coordinates
// from the lower left, where the whole picture would be.
void picturePart(float s0, float t0, float s1, float t1) {
    glTexCoord2f(s0, t1);
    glVertex3f(-4 + 8 * s0, -3 + 6 * t1, 0);
    glTexCoord2f(s1, t1);
    glVertex3f(-4 + 8 * s1, -3 + 6 * t1, 0);
    glTexCoord2f(s1, t0);
    glVertex3f(-4 + 8 * s1, -3 + 6 * t0, 0);
    glTexCoord2f(s0, t0);
    glVertex3f(-4 + 8 * s0, -3 + 6 * t0, 0);
}

}

void drawCockpit() {
    if (cockpitFrames < 2) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    beginCockpitPicture();
    picturePart(0, 0, 1, 1);
    endCockpitPicture();
}

void repaintCockpit() {
    if (cockpitPieces.empty() || cockpitMask.width() <= 0 || cockpitMask.height() <= 0) return;
    glPushMatrix();
    // The same plane as the whole picture, so every pixel samples it exactly as there.
    beginCockpitPicture();
    const float w = static_cast<float>(cockpitMask.width()), h = static_cast<float>(cockpitMask.height());
    for (const PictureRect& r : cockpitPieces) picturePart(r.x0 / w, r.y0 / h, r.x1 / w, r.y1 / h);
    endCockpitPicture();
    glPopMatrix();
}

void beginOverlay() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, PICTURE_WIDTH, PICTURE_HEIGHT, 0, 0, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void endOverlay() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void drawCrosshair() {
    beginOverlay();
    glColor4f(1, 1, 1, 1);
    beginAdditivePicture(8);
    texturedQuadAtCentre(50, 50);
    endAdditivePicture();
}

void drawGameOverScreen(float points) {
    beginOverlay();
    glDisable(GL_STENCIL_TEST);
    beginAdditivePicture(9);
    // Added onto the same picture frame after frame, the band's colours
    // saturated within a few frames; drawn onto a fresh copy of the last view
    // each frame, it is added that many times at once.
    for (int pass = 0; pass < GAME_OVER_PASSES; ++pass) texturedQuadAtCentre(500, 58);
    endAdditivePicture();
    font->print(200, 100, "Your Points: ", 0);
    font->printNumber(350, 100, points, 0);
    // Above the points, below the band: clear of the dashboard's dials.
    if (bestScore) {
        font->print(200, 125, "Best: ", 0);
        if (bestScore->best()) font->printNumber(350, 125, static_cast<float>(*bestScore->best()), 0);
        else font->print(350, 125, "unknown", 0);
    }
    font->print(200, 150, "Enter: play again   Esc: quit", 0);
}

void drawSpeedAndPower(const MyShip& ship) {
    font->print(10, 200, "speed: ", 0);
    font->printNumber(80, 200, ship.getSpeed(), 0);
    font->print(10, 180, "power: ", 0);
    // The last bump may cost more than was left; gone is 0, not less.
    font->printNumber(80, 180, std::max(ship.getEnergy(), 0.0f), 0);
    // Below the fps line, which keeps its place.
    font->print(10, 135, "points: ", 0);
    font->printNumber(90, 135, ship.getPoints(), 0);
}

void drawStatusLine(const std::string& text) {
    font->print(320 - 5 * int(text.size()), 330, text, 0);
}

void drawTurnMarker(float yawRate, float pitchRate) {
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
    beginOverlay();
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
    endOverlay();
}

void drawHelpOverlay() {
    // Over the whole picture, the cockpit included: not cut by its mask.
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_STENCIL_TEST);
    beginOverlay();
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // Dark enough that the additive letters read over the cockpit's bright struts too.
    glColor4f(0.0f, 0.0f, 0.05f, 0.92f);
    glRecti(40, 60, PICTURE_WIDTH - 40, PICTURE_HEIGHT - 60);
    glPopAttrib();
    endOverlay();
    if (!font) {
        glPopAttrib();
        return;
    }
    const std::string title = "KEYS  -  paused; " + settings.keys.describe(Action::Help) + " or escape goes on";
    font->print(320 - 5 * int(title.size()), 430, title, 0);
    // Two columns of action: keys, in font units (640 x 480).
    const size_t count = size_t(Action::Count), half = (count + 1) / 2;
    for (size_t a = 0; a < count; ++a) {
        std::string name = KeyBindings::actionName(Action(a));
        std::replace(name.begin(), name.end(), '_', ' ');
        const std::string line = name + ": " + settings.keys.describe(Action(a));
        font->print(a < half ? 40 : 330, 395 - 21 * int(a % half), line, 0);
    }
    const int below = 395 - 21 * int(half) - 10;   // rows of 21 keep the lines below on the dark box
    font->print(40, below, "Enter: play again after the game is over   mouse: steer", 0);
    font->print(40, below - 26, "Gamepad: left stick steers; right trigger throttle up,", 0);
    font->print(40, below - 48, "left trigger down; A or right shoulder fires;", 0);
    font->print(40, below - 70, "Start pauses or plays again; Back shows this help", 0);
    glPopAttrib();
}

void drawStats(const std::string& fpsText, int drawMode) {
    font->print(10, 155, fpsText, 0);
    font->print(10, 227, drawModeText(drawMode), 0);
}
