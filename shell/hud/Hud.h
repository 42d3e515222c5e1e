#pragma once

#include "shell/hud/Overlay.h"

#include <memory>
#include <vector>

class Radar;

// Everything drawn over a frame of play, in the order it is drawn: the
// radar, the live dials, the head-up lines, the guides a new player gets
// (target box, arrows to the enemy and back to the field, hit flash and
// mark), the crosshair, the turn marker and the aim's ring. A new overlay is one class and
// one line in the list; each draws only where and while it belongs.
class Hud {
public:
    Hud();
    ~Hud();

    // Every overlay's logic for this frame, in order.
    void update(const HudFrame& frame);
    // Every overlay drawn, in order.
    void draw(const HudFrame& frame);

    Radar& radar() { return *scope; }

private:
    std::vector<std::unique_ptr<Overlay>> overlays;
    Radar* scope = nullptr;   // one of the overlays
};
