#include "CockpitCopy.h"

#include "shell/view/View.h"

#include <GL/glx.h>

CockpitCopy::~CockpitCopy() {
    // A texture of a context that is gone went with it.
    if (texture != 0 && glXGetCurrentContext()) glDeleteTextures(1, &texture);
}

bool CockpitCopy::save(const Viewport& area) {
    isSaved = false;
    if (area.width <= 0 || area.height <= 0) return false;
    if (texture == 0) glGenTextures(1, &texture);
    if (texture == 0) return false;
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    // Errors of earlier calls must not be taken for the copy's.
    for (int i = 0; i < 8 && glGetError() != GL_NO_ERROR; ++i) {
    }
    // Read out and uploaded, not copied inside the driver: llvmpipe's first
    // glCopyTexImage2D of the process builds a blit pipeline, 40 ms that came
    // as a stall in the first second of play; a read in the buffer's own
    // layout and an upload of it are plain copies, a few ms.
    // Four bytes a pixel: every row meets any alignment the game sets.
    std::vector<unsigned char> pixels(size_t(area.width) * size_t(area.height) * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(area.x, area.y, area.width, area.height, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
    glBindTexture(GL_TEXTURE_2D, texture);
    // The texture's storage is made once per size and written into after:
    // making it again at every copy (each view change) freed and took a
    // window-sized block each time, which the heap kept growing by.
    if (area.width != storedWidth || area.height != storedHeight) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, area.width, area.height, 0, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
        storedWidth = area.width;
        storedHeight = area.height;
    } else {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, area.width, area.height, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    // A driver without textures of any size says so here.
    if (glGetError() != GL_NO_ERROR) {
        storedWidth = storedHeight = 0;
        return false;
    }
    isSaved = true;
    return true;
}

bool CockpitCopy::restore(const std::vector<PictureRect>& pieces, int maskWidth, int maskHeight) const {
    if (!isSaved || maskWidth <= 0 || maskHeight <= 0) return false;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // One unit per mask pixel over the viewport; texture coordinates run over
    // the same square, so each pixel centre samples its own texel.
    glOrtho(0, maskWidth, 0, maskHeight, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const float sw = 1.0f / maskWidth, th = 1.0f / maskHeight;
    glBegin(GL_QUADS);
    for (const PictureRect& r : pieces) {
        glTexCoord2f(r.x0 * sw, r.y0 * th);
        glVertex2i(r.x0, r.y0);
        glTexCoord2f(r.x1 * sw, r.y0 * th);
        glVertex2i(r.x1, r.y0);
        glTexCoord2f(r.x1 * sw, r.y1 * th);
        glVertex2i(r.x1, r.y1);
        glTexCoord2f(r.x0 * sw, r.y1 * th);
        glVertex2i(r.x0, r.y1);
    }
    glEnd();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_STENCIL_TEST);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    return true;
}
