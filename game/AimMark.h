#pragma once

#include "entities/Vector3.h"

class MyShip;

// Steering by aim: a mark in space that the pointer moves and the ship turns
// onto. It is kept where it shows on the view, as the tangents of its angles
// off the crosshair (x right, y down: a point one unit ahead), so holding it
// inside the view is holding it inside a rectangle. While the ship turns onto
// it, the mark stays on what it points at; turned by the keys or the stick,
// the ship takes it along.
class AimMark {
public:
    // The camera's 80-degree, 4:3 view: tan(40 degrees) up and down, 4/3 of it
    // to the sides; the mark is held 12 of its 384 half-height pixels inside,
    // so the whole ring still shows at the edge.
    static constexpr float HALF_HEIGHT = 0.8390996f;
    static constexpr float HALF_WIDTH = HALF_HEIGHT * 4.0f / 3.0f;
    static constexpr float LIMIT_Y = HALF_HEIGHT * (384.0f - 12.0f) / 384.0f;
    static constexpr float LIMIT_X = HALF_HEIGHT * (512.0f - 12.0f) / 384.0f;
    // View units per unit of pointer turn: on a 1024 x 768 picture at the
    // default sensitivity (1000 pixels a unit), the mark moves with the pointer.
    static constexpr float PER_TURN = HALF_HEIGHT / 384.0f * 1000.0f;
    // How the ship turns onto it: at GAIN times the angle still to go, never
    // faster than TOP_RATE, never slower than LEAST_RATE, so it arrives in a
    // few frames without ever passing the mark, and then holds still.
    static constexpr float GAIN = 9.0f;          // per second
    static constexpr float TOP_RATE = 2.6f;      // radians per second, about 150 degrees
    static constexpr float LEAST_RATE = 0.05f;   // radians per second

    float x() const { return across; }   // view units, right of the crosshair
    float y() const { return down; }     // view units, below it
    bool centred() const { return across == 0.0f && down == 0.0f; }

    // A pointer turn (yaw and pitch as the pointer gives them) moves the mark,
    // held inside the view.
    void move(float yaw, float pitch);
    // Onto the crosshair: flying straight.
    void centre() { across = down = 0.0f; }

    // Turns the ship toward the mark for `seconds` of play, and takes the
    // turn off the mark's place so it stays on what it points at.
    void steer(MyShip& ship, float seconds);

    // The mark's direction in space, from the ship's frame (a unit vector).
    Vector3 direction(const MyShip& ship) const;

private:
    float across = 0.0f;
    float down = 0.0f;
};
