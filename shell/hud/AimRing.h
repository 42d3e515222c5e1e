#pragma once

#include "shell/hud/Overlay.h"

class AimMark;
class MyShip;

// Steering by aim: a small pink ring where the mark points, in both views.
// From the cockpit it stands where the pointer put it; seen from outside,
// where its direction shows from the camera behind the ship, held inside
// the picture.
class AimRing : public Overlay {
public:
    struct Spot {
        float x, y;   // picture pixels, y down
    };
    void draw(const HudFrame& frame) override;
    static Spot place(const MyShip& ship, const AimMark& mark);
    static void draw(const Spot& spot);

    static constexpr float RADIUS = 9.0f;   // picture pixels
};
