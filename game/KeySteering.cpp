#include "KeySteering.h"

#include "entities/MyShip.h"

#include <algorithm>

namespace {

float towards(float value, float goal, float step) {
    return value < goal ? std::min(goal, value + step) : std::max(goal, value - step);
}

}

void KeySteering::hold(Direction direction, bool on) {
    held[direction] = on;
}

void KeySteering::release() {
    for (bool& h : held) h = false;
    forget();
}

void KeySteering::update(MyShip& ship, float seconds) {
    const float step = PER_SECOND * std::max(seconds, 0.0f);
    const float yawGoal = LIMIT * (float(held[RIGHT]) - float(held[LEFT]));
    // The pointer's convention: moving it down (a positive y) raises the pitch rate.
    const float pitchGoal = LIMIT * (float(held[DOWN]) - float(held[UP]));
    const float newYaw = towards(yaw, yawGoal, step), newPitch = towards(pitch, pitchGoal, step);
    ship.addTurn(newYaw - yaw, newPitch - pitch);
    yaw = newYaw;
    pitch = newPitch;
}
