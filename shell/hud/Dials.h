#pragma once

#include "shell/hud/Overlay.h"
#include <GL/gl.h>

// The dashboard's two dials made live: speed on the left (-100 to 100),
// power on the right (0 to 500, held at the end beyond). Each painted dial
// is covered by its face without a needle, then the needle is drawn.
class Dials : public Overlay {
public:
    // In the cockpit view, while the settings ask for live dials.
    void draw(const HudFrame& frame) override;

    static float speedFraction(float speed);   // 0..1 of the scale; out of range and NaN held at the ends
    static float powerFraction(float power);
    // The needle's heading for a fraction of the scale: radians on the
    // picture's axes (y down), as the generator paints it.
    static float needleAngle(float fraction);

    // Over the cockpit's pixels only, in the overlay picture; nothing
    // without the faces' texture (its file missing), so the painted needles
    // stay rather than two needles show. Leaves the GL state as found.
    static void draw(GLuint faces, float speed, float power);
};
