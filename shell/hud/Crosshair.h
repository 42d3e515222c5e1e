#pragma once

#include "shell/hud/Overlay.h"

// The crosshair at the picture's centre, in the cockpit view, where the
// laser hits.
class Crosshair : public Overlay {
public:
    void draw(const HudFrame& frame) override;
};
