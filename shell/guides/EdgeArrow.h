#pragma once

#include "shell/hud/Overlay.h"
#include "shell/guides/CockpitView.h"

// An arrow on the window's rim toward something out of view: the enemy, or
// the way back to the rocks' field.
class EdgeArrow : public Overlay {
public:
    // Toward the enemy in the cockpit view while it is out of view, when the settings ask for it.
    void draw(const HudFrame& frame) override;

    struct Colour {
        float r, g, b;
    };
    // Over the view, in the overlay picture; leaves the GL state as found.
    static void draw(const CockpitView::Edge& edge, Colour colour);
    // The arrow toward `target` while it is out of view; nothing in view.
    static void pointTo(const CockpitView& view, const Vector3& target, Colour colour);
};
