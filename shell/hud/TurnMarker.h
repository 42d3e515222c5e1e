#pragma once

#include "shell/hud/Overlay.h"

// The turn rates that keep acting, as a small amber diamond off the
// crosshair's centre: where the view is heading. At the centre when flying
// straight. Cockpit view only, while the settings ask for it.
class TurnMarker : public Overlay {
public:
    void draw(const HudFrame& frame) override;
    static void draw(float yawRate, float pitchRate);
};
