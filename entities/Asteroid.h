#pragma once

#include "SpaceObject.h"

#include <cstdint>
#include <optional>

// A textured rock that floats where it was put and tumbles about a random axis.
class Asteroid : public SpaceObject {
public:
    Asteroid(const std::string& modelFile, const Vector3& position, const Vector3& direction, float radius,
             const Vector3& scale, float energy, World* world);

    Vector3 getDirection() const override { return direction; }
    Vector3 getPosition() const override { return position; }
    void setPosition(const Vector3& p) override { position = p; }
    void setDirection(const Vector3& d) override { direction = d; }   // stored as given
    // Draws when visible; advances the tumble every call either way.
    void draw(bool visible, int mode) override;
    void destroy() override { delete this; }

    float getTumbleAngle() const { return tumbleAngle; }
    float getTumbleStep() const { return tumbleStep; }

    static constexpr int ARRAY_VERTICES = 2500;   // drawn from the shape's vertex array

    // Seeds every rock's tumble; the calendar time (seconds) when unset.
    static std::optional<uint32_t> fieldSeed;

private:
    GLuint texture = 0;          // the shape's surface, from the texture bank
    float tumbleAngle = 0.0f;    // degrees
    Vector3 tumbleAxis;          // random, not normalised
    float tumbleStep = 0.0f;     // degrees per frame
    Vector3 direction;
    Vector3 position;
    const float* vertexArray = nullptr;   // the World's array for this shape
};
