#pragma once

#include "shell/hud/Overlay.h"
#include "shell/guides/CockpitView.h"

#include <cstdint>

// A short red flash at the window's edge on the side the enemy's shot came
// from. It learns of a hit from the frame's events, every frame, so a hit
// taken while it is not drawn (the outside view, the flash switched off) is
// never flashed later.
class HitFlash : public Overlay {
public:
    void update(const HudFrame& frame) override;
    // In the cockpit view, while the settings ask for it.
    void draw(const HudFrame& frame) override;

    enum Side { LEFT, RIGHT, TOP, BOTTOM };
    static constexpr uint32_t LENGTH_MS = 300;

    // The side of the window nearest the shooter's way: where the player
    // would turn to face it.
    static Side sideOf(const CockpitView& view, const Vector3& shooter);
    // A hit at `now`, from `from`, starts a flash.
    void hit(uint32_t now, Side from);
    // 1 as the flash starts, down to 0 when it is over.
    float strength(uint32_t now) const;
    // Draws what is left of the flash within `window`.
    void show(const CockpitView::Rect& window, uint32_t now) const;

private:
    bool started = false;
    uint32_t start = 0;
    Side side = LEFT;
};
