#pragma once

#include "shell/hud/Overlay.h"
#include "shell/guides/CockpitView.h"

class Font;

// A box about the enemy while it is in view, at any distance, with that
// distance beside it. The laser strikes along the crosshair's line at once,
// so the box is where to aim: no lead.
class TargetBox : public Overlay {
public:
    // Around the enemy in the cockpit view, while the settings ask for it.
    void draw(const HudFrame& frame) override;

    struct Placed {
        bool shown = false;
        float x0 = 0, y0 = 0, x1 = 0, y1 = 0;   // picture pixels, y down
        float distance = 0.0f;                 // world units, eye to centre
    };
    static constexpr float SMALLEST_HALF = 12.0f;   // picture pixels: still seen when far

    // The box for an object of `radius` at `centre`, or none out of view.
    static Placed place(const CockpitView& view, const Vector3& eye, const Vector3& centre, float radius);
    // The box and, in the font's units, the distance to its right.
    static void draw(const Placed& box, Font& font);
};
