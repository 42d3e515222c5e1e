#pragma once

#include "entities/Vector3.h"

class World;
class MyShip;

// Sweeps every pair of objects over `span` seconds for a touch of their
// spheres. The contact point and indexes are those of the last pair in contact
// in list order; the time is the earliest over all pairs.
struct Contact {
    bool found = false;
    Vector3 point;
    double time = 10000.0;
    int first = -1;
    int second = -1;
};
Contact findEarliestContact(const World& world, double span);

// The first step of every frame: the player's ship bounces off what it touches
// (set back, loses energy equal to its speed, speed reversed, impact sound), or
// otherwise moves forward by speed x frameTime. True when it bounced.
bool resolveCollisions(World& world, MyShip& ship, float frameTime);

constexpr double COLLISION_STEP = 0.06;   // seconds swept per frame
