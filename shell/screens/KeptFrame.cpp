#include "KeptFrame.h"

#include "shell/view/View.h"

#include <GL/gl.h>

void KeptFrame::prepare(const Viewport& area) {
    if (prepared || area.width <= 0 || area.height <= 0) return;
    // Whatever the back buffer holds: only the storage is wanted, its pages
    // written, so that they count from now on.
    prepared = copy.save(area);
    copy.forget();
}

void KeptFrame::capture(const Viewport& area) {
    whole.clear();
    if (!copy.save(area)) return;
    whole.push_back({0, 0, area.width, area.height});
}

void KeptFrame::forget() {
    copy.forget();
}

void KeptFrame::draw(const Viewport& area) const {
    glPushAttrib(GL_ENABLE_BIT | GL_VIEWPORT_BIT | GL_TRANSFORM_BIT | GL_SCISSOR_BIT | GL_TEXTURE_BIT);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glClear(GL_COLOR_BUFFER_BIT);
    if (!empty() && area.width > 0 && area.height > 0) {
        // The picture's units over the picture's area now: stretched with it.
        glViewport(area.x, area.y, area.width, area.height);
        copy.restore(whole, whole[0].x1, whole[0].y1);
    }
    glPopAttrib();
}
