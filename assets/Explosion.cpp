#include "Explosion.h"

#include <algorithm>
#include <cmath>

namespace {

// The quad's corners in its own plane, texture coordinates (1, 1) to (0, 0).
constexpr float HALF_WIDTH = 11.0f, HALF_HEIGHT = 8.3f, PLANE_Z = -2.0f;

// The window's pixels that the part of the quad within `area` can reach, as
// a scissor box intersected with the one in force; false when the part is
// not wholly in front of the eye (then the quad is drawn whole).
bool scissorFor(const TextureBank::LitArea& area, GLint box[4]) {
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (const float s : {area.s0, area.s1}) {
        for (const float t : {area.t0, area.t1}) {
            const double object[4] = {-HALF_WIDTH + 2.0 * HALF_WIDTH * s, -HALF_HEIGHT + 2.0 * HALF_HEIGHT * t,
                                      PLANE_Z, 1.0};
            double eye[4], clip[4];
            for (int r = 0; r < 4; ++r) {
                eye[r] = 0.0;
                for (int c = 0; c < 4; ++c) eye[r] += model[c * 4 + r] * object[c];
            }
            for (int r = 0; r < 4; ++r) {
                clip[r] = 0.0;
                for (int c = 0; c < 4; ++c) clip[r] += projection[c * 4 + r] * eye[c];
            }
            if (!(clip[3] > 1e-6)) return false;
            const double x = viewport[0] + (clip[0] / clip[3] + 1.0) * 0.5 * viewport[2];
            const double y = viewport[1] + (clip[1] / clip[3] + 1.0) * 0.5 * viewport[3];
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    }
    // A pixel more on every side for the renderer's rounding; nothing is drawn outside the viewport anyway.
    double left = std::max(std::floor(x0) - 1.0, double(viewport[0]));
    double bottom = std::max(std::floor(y0) - 1.0, double(viewport[1]));
    double right = std::min(std::ceil(x1) + 1.0, double(viewport[0]) + viewport[2]);
    double top = std::min(std::ceil(y1) + 1.0, double(viewport[1]) + viewport[3]);
    if (glIsEnabled(GL_SCISSOR_TEST)) {
        GLint kept[4];
        glGetIntegerv(GL_SCISSOR_BOX, kept);
        left = std::max(left, double(kept[0]));
        bottom = std::max(bottom, double(kept[1]));
        right = std::min(right, double(kept[0]) + kept[2]);
        top = std::min(top, double(kept[1]) + kept[3]);
    }
    box[0] = GLint(left);
    box[1] = GLint(bottom);
    box[2] = GLint(std::max(0.0, right - left));
    box[3] = GLint(std::max(0.0, top - bottom));
    return true;
}

}

Explosion::Explosion(const Vector3& offset_, const Vector3& anchor_, int32_t targetId_, const GLuint* slots,
                     uint32_t now, const TextureBank::LitArea* areas)
    : frameTextures(slots), litAreas(areas), anchor(anchor_), offset(offset_), lastTick(now), targetId(targetId_) {}

bool Explosion::advanceAnimation(int32_t elapsedMs) {
    glDisable(GL_TEXTURE_2D);
    elapsed += elapsedMs;
    currentFrame = elapsed / FRAME_DURATION;
    if (currentFrame >= FRAME_COUNT) {
        // An advance that jumps past the last frame starts the animation over.
        currentFrame = 0;
        elapsed = 0;
    } else if (currentFrame == FRAME_COUNT - 1) {
        finished = true;
    }
    return true;
}

void Explosion::draw(const float frame[16]) const {
    float m[16];
    for (int i = 0; i < 16; ++i) m[i] = frame[i];
    const Vector3 at = anchor + offset;
    m[12] = at.x;
    m[13] = at.y;
    m[14] = at.z;
    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    glBindTexture(GL_TEXTURE_2D, frameTextures[currentFrame + FIRST_SLOT]);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_COLOR, GL_ONE);
    glDisable(GL_DEPTH_TEST);
    glMultMatrixf(m);
    const float s = (offset != Vector3(0, 0, 0)) ? 0.3f : 2.0f;
    glScalef(s, s, s);
    // Much of a frame is black, and black adds nothing: only the lit part's pixels are blended.
    GLint box[4], kept[4];
    const GLboolean scissored = glIsEnabled(GL_SCISSOR_TEST);
    const bool cropped = litAreas && scissorFor(litAreas[currentFrame + FIRST_SLOT], box);
    if (cropped) {
        glGetIntegerv(GL_SCISSOR_BOX, kept);
        glEnable(GL_SCISSOR_TEST);
        glScissor(box[0], box[1], box[2], box[3]);
    }
    glBegin(GL_QUADS);
    glTexCoord2f(1, 1);
    glVertex3f(HALF_WIDTH, HALF_HEIGHT, PLANE_Z);
    glTexCoord2f(0, 1);
    glVertex3f(-HALF_WIDTH, HALF_HEIGHT, PLANE_Z);
    glTexCoord2f(0, 0);
    glVertex3f(-HALF_WIDTH, -HALF_HEIGHT, PLANE_Z);
    glTexCoord2f(1, 0);
    glVertex3f(HALF_WIDTH, -HALF_HEIGHT, PLANE_Z);
    glEnd();
    if (cropped) {
        glScissor(kept[0], kept[1], kept[2], kept[3]);
        if (!scissored) glDisable(GL_SCISSOR_TEST);
    }
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glPopMatrix();
}
