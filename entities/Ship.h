#pragma once

#include "Matrix4.h"
#include "SpaceObject.h"

// What both ships share: an orientation frame and a speed.
class Ship : public SpaceObject {
public:
    Vector3 getDirection() const override { return frame.column(2); }
    Vector3 getPosition() const override { return frame.column(3); }
    void setPosition(const Vector3& p) override;
    void setDirection(const Vector3& d) override;   // forward := normalized d; side and up kept
    void destroy() override { delete this; }

    void yaw(float angle);     // radians, about the ship's own up axis
    void pitch(float angle);   // radians, about the ship's own side axis
    void advance(float distance);   // along the forward column as stored
    float getSpeed() const { return speed; }
    void setSpeed(float s) { speed = s; }
    float absoluteSpeed() const { return speed < 0 ? -speed : speed; }
    // One step faster or slower, refused once the speed is past +-100 (no clamping).
    void changeSpeed(float amount, bool faster);
    const Matrix4& getFrame() const { return frame; }

protected:
    // Both model parts, scaled: mode 0 draws the models, 1 or more the display
    // lists, a negative mode nothing. The second part multiplies the first.
    void drawParts(int mode);
    // Side (1, 0, 0), up (0, 1, 0), forward and position as given, unchanged.
    void setInitialFrame(const Vector3& position, const Vector3& direction);

    Matrix4 frame;        // columns: side, up, forward (direction of flight), position
    float speed = 0.0f;   // world units per second along forward
};
