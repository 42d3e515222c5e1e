#include "CockpitPicture.h"

#include "shell/view/View.h"
#include "platform/BackBuffer.h"

#include <GL/freeglut.h>

#include <cstdint>

namespace {

// The cockpit picture's plane, in the cockpit's pixels of the stencil only.
// At 3.5765 units the 80-degree view shows 6 units of height: an 8 x 6 quad
// just fills a 4:3 screen. Leaves the translation in the model-view matrix.
void beginPicture(GLuint texture) {
    glEnable(GL_STENCIL_TEST);
    glDisable(GL_LIGHTING);
    glStencilFunc(GL_EQUAL, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glTranslatef(0.0f, 0.0f, -3.5765f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
}

void endPicture() {
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

void CockpitPicture::scissorToWindow(const CockpitMask& mask, const Viewport& viewport) {
    if (mask.empty()) return;
    const int w = mask.width(), h = mask.height();
    if (w <= 0 || h <= 0) return;
    const PictureRect& r = mask.window();
    const int64_t vw = viewport.width, vh = viewport.height;
    const int x0 = static_cast<int>(r.x0 * vw / w), y0 = static_cast<int>(r.y0 * vh / h);
    const int x1 = static_cast<int>((r.x1 * vw + w - 1) / w), y1 = static_cast<int>((r.y1 * vh + h - 1) / h);
    glEnable(GL_SCISSOR_TEST);
    glScissor(viewport.x + x0, viewport.y + y0, x1 - x0, y1 - y0);
}

void CockpitPicture::drawBehindScene(const CockpitMask& mask, const Viewport& viewport, int windowWidth,
                                     int windowHeight, GLuint texture) {
    if (framesPainted < PAINTED_FRAMES) {
        paintWhole(texture);
        // The finished picture is kept aside where the buffer will not keep
        // it. What it holds outside the cockpit does not matter: the scene
        // covers all of that every frame.
        if (framesPainted == PAINTED_FRAMES - 1) {
            copy.forget();
            if (!BackBuffer::keepsContents()) copy.save(viewport);
        }
        glutPostRedisplay();
        ++framesPainted;
    } else if (!BackBuffer::keepsContents()) {
        // The buffer may hold anything: the bars beside the picture (where
        // the window is not 4:3) and the cockpit are drawn again, by a copy
        // where the driver offers one.
        if (viewport.width != windowWidth || viewport.height != windowHeight) glClear(GL_COLOR_BUFFER_BIT);
        if (!copy.restore(mask.pieces(), mask.width(), mask.height())) repaint(mask, texture);
    }
}

void CockpitPicture::paintWhole(GLuint texture) const {
    if (framesPainted < 2) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    beginPicture(texture);
    picturePart(0, 0, 1, 1);
    endPicture();
}

void CockpitPicture::repaint(const CockpitMask& mask, GLuint texture) {
    if (mask.pieces().empty() || mask.width() <= 0 || mask.height() <= 0) return;
    glPushMatrix();
    // The same plane as the whole picture, so every pixel samples it exactly as there.
    beginPicture(texture);
    const float w = static_cast<float>(mask.width()), h = static_cast<float>(mask.height());
    for (const PictureRect& r : mask.pieces()) picturePart(r.x0 / w, r.y0 / h, r.x1 / w, r.y1 / h);
    endPicture();
    glPopMatrix();
}
