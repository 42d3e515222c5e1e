#pragma once

#include "shell/hud/Overlay.h"
#include "shell/guides/CockpitView.h"

#include <cstdint>

// A short red flash at the window's edge on the side the enemy's shot came
// from. It watches the enemy's count of shots that struck the player, so it
// learns of a hit without taking part in one.
class HitFlash : public Overlay {
public:
    // In the cockpit view, while the settings ask for it.
    void draw(const HudFrame& frame) override;

    enum Side { LEFT, RIGHT, TOP, BOTTOM };
    static constexpr uint32_t LENGTH_MS = 300;

    // The side of the window nearest the shooter's way: where the player
    // would turn to face it.
    static Side sideOf(const CockpitView& view, const Vector3& shooter);
    // A count grown since the last call starts a flash; a smaller one (a new
    // game) is only taken as the new start.
    void observe(unsigned hits, uint32_t now, Side from);
    // 1 as the flash starts, down to 0 when it is over.
    float strength(uint32_t now) const;
    // Observes, then draws what is left of the flash within `window`.
    void show(const CockpitView& view, const CockpitView::Rect& window, unsigned hits, const Vector3& shooter,
              uint32_t now);

private:
    unsigned seen = 0;
    bool started = false;
    uint32_t start = 0;
    Side side = LEFT;
};
