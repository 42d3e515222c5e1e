#include "Explosion.h"

Explosion::Explosion(const Vector3& offset_, const Vector3& anchor_, int32_t targetId_, const GLuint* slots,
                     uint32_t now)
    : frameTextures(slots), anchor(anchor_), offset(offset_), lastTick(now), targetId(targetId_) {}

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
    glBegin(GL_QUADS);
    glTexCoord2f(1, 1);
    glVertex3f(11.0f, 8.3f, -2.0f);
    glTexCoord2f(0, 1);
    glVertex3f(-11.0f, 8.3f, -2.0f);
    glTexCoord2f(0, 0);
    glVertex3f(-11.0f, -8.3f, -2.0f);
    glTexCoord2f(1, 0);
    glVertex3f(11.0f, -8.3f, -2.0f);
    glEnd();
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glPopMatrix();
}
