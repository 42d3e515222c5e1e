#include "AimMark.h"

#include "entities/MyShip.h"

#include <algorithm>
#include <cmath>

void AimMark::move(float yaw, float pitch) {
    across = std::clamp(across + yaw * PER_TURN, -LIMIT_X, LIMIT_X);
    down = std::clamp(down + pitch * PER_TURN, -LIMIT_Y, LIMIT_Y);
}

void AimMark::steer(MyShip& ship, float seconds) {
    if (centred() || !(seconds > 0.0f)) return;
    // The mark as a vector in the ship's axes: side, up, forward.
    double side = across, up = -down, ahead = 1.0;
    const double spread = std::sqrt(side * side + up * up);
    const double angle = std::atan(spread);   // from the crosshair to the mark, radians
    const double rate = std::clamp(double(GAIN) * angle, double(LEAST_RATE), double(TOP_RATE));
    const double turn = std::min(angle, rate * seconds);
    // The ship turns about its own up axis, then its side axis, as the
    // pointer's rates turn it; the last step goes exactly onto the mark.
    const bool arrives = turn >= angle;
    const double yaw = arrives ? std::atan2(side, ahead) : turn * side / spread;
    double c = std::cos(yaw), s = std::sin(yaw);
    const double yawedSide = c * side - s * ahead;
    ahead = s * side + c * ahead;
    side = yawedSide;
    const double pitch = arrives ? std::atan2(-up, ahead) : turn * down / spread;
    c = std::cos(pitch);
    s = std::sin(pitch);
    const double pitchedUp = c * up + s * ahead;
    ahead = -s * up + c * ahead;
    up = pitchedUp;
    ship.yaw(float(yaw));
    ship.pitch(float(pitch));
    if (arrives) return centre();
    across = float(side / ahead);
    down = float(-up / ahead);
}

Vector3 AimMark::direction(const MyShip& ship) const {
    const Matrix4& frame = ship.getFrame();
    const Vector3 v = frame.column(0) * across + frame.column(1) * -down + frame.column(2);
    return v.unitCopy();
}
