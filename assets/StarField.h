#pragma once

#include "entities/Vector3.h"

#include <array>
#include <cstddef>

class Ship;

// 8000 points in a cube of +-200 units around the player's ship. They stay put
// in space while the ship flies through; one ring of 200 is renewed around the
// ship each frame, more of it the faster the ship goes.
class StarField {
public:
    static constexpr int POINTS = 8000;
    static constexpr int RING = 200;
    static constexpr int RINGS = POINTS / RING;

    explicit StarField(const Ship* ship);   // seeds the shared generator with 4
    void draw();   // the points as they stand

    const Vector3& point(int i) const { return starPoints[size_t(i)]; }
    int currentRing() const { return ring; }
    void renewRing();   // the motion step, once a frame of play, before the enemy draws its random numbers

private:
    std::array<Vector3, POINTS> starPoints;
    const Ship* ship;   // not owned
    int ring = 0;       // renewed by the next renewRing
};
