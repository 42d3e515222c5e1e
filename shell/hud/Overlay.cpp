#include "Overlay.h"

#include "shell/view/View.h"

void Overlay::begin() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, PICTURE_WIDTH, PICTURE_HEIGHT, 0, 0, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Overlay::end() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void Overlay::beginFlat() {
    glPushAttrib(GL_LIGHTING_BIT | GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_LINE_BIT);
    begin();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_COLOR_MATERIAL);
}

void Overlay::endFlat() {
    end();
    glPopAttrib();
}

void Overlay::darkPanel(int x0, int y0, int x1, int y1, float alpha) {
    beginFlat();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.05f, alpha);
    glRecti(x0, y0, x1, y1);
    endFlat();
}

void Overlay::addAtCentre(GLuint texture, int halfWidth, int halfHeight, int passes) {
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glBindTexture(GL_TEXTURE_2D, texture);
    const int cx = PICTURE_WIDTH / 2, cy = PICTURE_HEIGHT / 2;
    for (int pass = 0; pass < passes; ++pass) {
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
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}
