#pragma once

#include "shell/hud/Overlay.h"
#include <cstdint>

// Four short ticks about the crosshair for a moment after one of the
// player's shots struck: the shot is confirmed where the eye already is.
class HitMarker : public Overlay {
public:
    // Learns of the player's shots that struck from the frame's events,
    // every frame, drawn or not.
    void update(const HudFrame& frame) override;
    // In the cockpit view, while the settings ask for hit feedback.
    void draw(const HudFrame& frame) override;

    static constexpr uint32_t LENGTH_MS = 150;

    void struck(uint32_t now);   // a shot struck at `now`: the mark starts
    bool shown(uint32_t now) const;
    void show(uint32_t now) const;   // the mark, while it lasts

private:
    bool started = false;
    uint32_t start = 0;
};
