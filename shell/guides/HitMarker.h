#pragma once

#include "shell/hud/Overlay.h"
#include <cstdint>

// Four short ticks about the crosshair for a moment after one of the
// player's shots struck: the shot is confirmed where the eye already is.
class HitMarker : public Overlay {
public:
    // In the cockpit view, while the settings ask for hit feedback.
    void draw(const HudFrame& frame) override;

    static constexpr uint32_t LENGTH_MS = 150;

    // A count grown since the last call starts the mark; a smaller one (a
    // new game) is only taken as the new start.
    void observe(unsigned struck, uint32_t now);
    bool shown(uint32_t now) const;
    // Observes, then draws the mark while it lasts.
    void show(unsigned struck, uint32_t now);

private:
    unsigned seen = 0;
    bool started = false;
    uint32_t start = 0;
};
