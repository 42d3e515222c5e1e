#pragma once

#include "shell/hud/Overlay.h"
#include "shell/guides/CockpitView.h"

class Font;

// Beyond a margin about the rocks' field: a line saying so and an arrow back
// to its centre. Guidance only: nothing holds the ship in.
class FieldGuide : public Overlay {
public:
    // In the cockpit view, beyond the margin, while the settings ask for it.
    void draw(const HudFrame& frame) override;

    static constexpr float MARGIN = 600.0f;   // world units beyond the outermost rocks' centres

    // True beyond the margin of the box [low, high] on any axis.
    static bool outside(const Vector3& position, const Vector3& low, const Vector3& high);
    // The line, and the arrow toward `centre` (on the rim when out of view,
    // over it when in view). Nothing while inside.
    static void show(const CockpitView& view, const Vector3& position, const Vector3& low, const Vector3& high,
                     Font& font);
};
