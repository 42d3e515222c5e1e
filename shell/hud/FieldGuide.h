#pragma once

#include "CockpitView.h"

class Font;

// Beyond a margin about the rocks' field: a line saying so and an arrow back
// to its centre. Guidance only: nothing holds the ship in.
class FieldGuide {
public:
    static constexpr float MARGIN = 600.0f;   // world units beyond the outermost rocks' centres

    // True beyond the margin of the box [low, high] on any axis.
    static bool outside(const Vector3& position, const Vector3& low, const Vector3& high);
    // The line, and the arrow toward `centre` (on the rim when out of view,
    // over it when in view). Nothing while inside.
    static void show(const CockpitView& view, const Vector3& position, const Vector3& low, const Vector3& high,
                     Font& font);
};
