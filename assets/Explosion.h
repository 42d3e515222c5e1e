#pragma once

#include "TextureBank.h"
#include "entities/Vector3.h"

#include <GL/gl.h>

#include <cstdint>

// A flat fireball facing the camera: 52 frames of 40 ms, blended additively.
// A large one (zero offset) marks a destruction and stays put; a small one
// (non-zero offset) marks a hit and rides on its target.
class Explosion {
public:
    static constexpr int FRAME_COUNT = 52;
    static constexpr int FRAME_DURATION = 40;   // milliseconds
    static constexpr int FIRST_SLOT = 13;       // frame n is texture slot n + 13

    // `now` (milliseconds on the tick clock) starts the first frame, so the
    // animation begins at frame 0 and runs its 2.08 s whatever the clock reads.
    // With the slots' lit areas, each frame is drawn only over the window's
    // pixels where its picture is not black: its additive blend leaves every
    // other pixel's colour as it was, so the picture is the same.
    Explosion(const Vector3& offset, const Vector3& anchor, int32_t targetId, const GLuint* slots, uint32_t now,
              const TextureBank::LitArea* areas = nullptr);

    bool advanceAnimation(int32_t elapsedMs);
    bool isFinished() const { return finished; }
    uint32_t getLastTick() const { return lastTick; }
    void setLastTick(uint32_t tick) { lastTick = tick; }
    const Vector3& getOffset() const { return offset; }
    void setAnchor(const Vector3& a) { anchor = a; }
    const Vector3& getAnchor() const { return anchor; }
    int32_t getTargetId() const { return targetId; }
    int getCurrentFrame() const { return currentFrame; }
    // Draws facing the viewer whose orientation is `frame` (column-major).
    void draw(const float frame[16]) const;

private:
    bool finished = false;
    const GLuint* frameTextures;   // the bank's slots, not owned
    const TextureBank::LitArea* litAreas;   // beside them, or null: each frame drawn whole
    Vector3 anchor;
    Vector3 offset;
    int32_t elapsed = 0;           // milliseconds since the animation (re)started
    int32_t currentFrame = 0;
    uint32_t lastTick = 0;         // milliseconds
    int32_t targetId;
};
