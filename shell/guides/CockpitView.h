#pragma once

#include "entities/Vector3.h"

struct HudFrame;

// Where points of space show from the cockpit: the camera's 80-degree, 4:3
// perspective laid on the overlays' 1024 x 768 picture (y down), and the rim
// inside the cockpit's window where arrows stand for what does not show.
// Pure: built from the ship's frame and the window, no GL.
class CockpitView {
public:
    struct Rect {
        float x0, y0, x1, y1;   // picture pixels, y down
    };
    struct Seen {
        bool ahead = false;      // in front of the eye
        bool inView = false;     // ahead and inside the window
        float x = 0.0f, y = 0.0f;   // picture pixels, when ahead
        float depth = 0.0f;      // along the view, world units
    };
    struct Edge {
        float x, y;      // the arrow's tip, picture pixels
        float angle;     // its heading, radians, picture axes: 0 right, pi/2 down
    };

    CockpitView(const Vector3& eye, const Vector3& ahead, const Vector3& up, const Rect& window);
    // The player's view in a frame of play: from the ship, through the cockpit mask's window.
    static CockpitView of(const HudFrame& frame);
    // True when the frame is seen from the cockpit, where the overlays belong.
    static bool fromCockpit(const HudFrame& frame);

    // The window as the overlays see it, from a rectangle of the mask
    // (pixels from the lower left, x1 and y1 exclusive). An empty mask
    // rectangle (no mask) gives the whole picture.
    static Rect windowOf(int x0, int y0, int x1, int y1, int maskWidth, int maskHeight);

    Seen see(const Vector3& point) const;
    // Picture pixels per world unit across the view at `depth`.
    float scaleAt(float depth) const;
    // Where on the rim an arrow toward `point` stands: the shortest turn
    // brings it into view. Straight behind, where every way is as short, it
    // is always the way `tie` says (radians, picture axes: 0 right, pi left).
    Edge edgeToward(const Vector3& point, float tie = 0.0f) const;

    static constexpr float CENTRE_X = 512.0f, CENTRE_Y = 384.0f;   // the crosshair
    static constexpr float RIM_INSET = 70.0f;   // from the window's nearest sides: clear of the struts and dashboard

private:
    Vector3 eye, ahead, up, right;
    Rect window;
};
