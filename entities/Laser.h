#pragma once

#include "Line.h"
#include "Vector3.h"

class SpaceObject;
class World;

// The base of every weapon beam.
class Beam {
public:
    virtual ~Beam() = default;
};

// An instantaneous laser: at the shot it finds the nearest object whose sphere
// its line passes through, measures the beam up to that sphere and is then
// drawn for a moment as thin red cylinders.
class Laser : public Beam {
public:
    Laser();

    // World index of the object hit, or -1. Objects whose centre is at the
    // shooter's own position are passed over (no direction to them).
    int fire(const SpaceObject* shooter, float width, World* world);
    // Where the beam enters the sphere of the object at `index`; sets the length.
    Vector3 hitPoint(unsigned index);
    void setLength(float l) { length = l; }
    float getLength() const { return length; }
    float getDamage() const { return damage; }
    // Draws the beam in the shooter's frame (two beams for the player's ship).
    void draw(const SpaceObject* shooter) const;

private:
    float damage = 10.0f;          // energy taken per hit
    World* world = nullptr;
    Vector3 direction;             // the shooter's direction at the shot
    float width = 0.0f;            // stored, unused
    Vector3 origin;                // the shooter's position at the shot
    Line path;
    float length = 0.0f;           // world units drawn
    float ambient[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float diffuse[4] = {0.5f, 0.0f, 0.0f, 1.0f};
    float emission[4] = {0.4f, 0.0f, 0.0f, 1.0f};
};

// Arc cosine in degrees of a cosine that rounding may have pushed past +-1.
float safeAcosDegrees(double cosine);
