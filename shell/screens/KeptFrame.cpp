#include "KeptFrame.h"

#include "shell/view/View.h"

#include <GL/gl.h>

#include <cstddef>

void KeptFrame::capture(const Viewport& area) {
    const int w = area.width, h = area.height;
    if (w <= 0 || h <= 0) {
        forget();
        return;
    }
    width = w;
    height = h;
    pixels.assign(std::size_t(w) * std::size_t(h) * 3, 0);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(area.x, area.y, w, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
}

void KeptFrame::forget() {
    pixels.clear();
    pixels.shrink_to_fit();
    width = height = 0;
}

void KeptFrame::draw(const Viewport& area, int windowWidth, int windowHeight) const {
    glPushAttrib(GL_ENABLE_BIT | GL_VIEWPORT_BIT | GL_TRANSFORM_BIT | GL_PIXEL_MODE_BIT | GL_SCISSOR_BIT);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glClear(GL_COLOR_BUFFER_BIT);
    if (!pixels.empty() && windowWidth > 0 && windowHeight > 0 && area.width > 0 && area.height > 0) {
        glViewport(0, 0, windowWidth, windowHeight);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(0, windowWidth, 0, windowHeight, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glRasterPos2i(area.x, area.y);
        glPixelZoom(float(area.width) / float(width), float(area.height) / float(height));
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glDrawPixels(width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        glPixelZoom(1.0f, 1.0f);
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
    }
    glPopAttrib();
}
