#pragma once

#include "shell/hud/Overlay.h"

#include <GL/gl.h>

#include <vector>

class World;
class MyShip;

// The dashboard's scope, live: the enemy and the rocks near the player, seen
// from above the ship with ahead up and right to the right.
class Radar : public Overlay {
public:
    // Where the scope is painted on the cockpit picture (1024 x 768, y down).
    static constexpr float CENTRE_X = 512.0f;
    static constexpr float CENTRE_Y = 668.0f;
    static constexpr float RADIUS = 70.0f;
    static constexpr float ENEMY_HALF = 3.5f, ROCK_HALF = 1.5f;   // half a blip's square, picture pixels
    // World units from the ship to the scope's rim.
    static constexpr float RANGE = 1000.0f;

    struct Blip {
        float x = 0.0f;        // -1 (left) .. 1 (right), in scope radii
        float y = 0.0f;        // -1 (behind) .. 1 (ahead)
        float height = 0.0f;   // above (+) or below (-) the ship, in ranges
        bool enemy = false;
    };

    // The blips for the world as the ship sees it. Rocks farther than the
    // range (in space, not only in the ship's plane) are left out; the enemy always shows, held at the rim when far,
    // so the player can always turn towards it.
    const std::vector<Blip>& update(const World& world, const MyShip& ship);

    // Repaints the scope from the cockpit picture and draws the blips over it,
    // in the cockpit's area of the stencil only. Leaves the GL state as found.
    // With `heights`, the enemy's blip has a stalk up (above) or down
    // (below) to its height: straight above or below, it is not "here".
    void draw(GLuint cockpitTexture, bool heights = false) const;
    // The stalk's length in picture pixels, up negative; 0 near the ship's plane.
    static float stalk(const Blip& blip);

    // In the cockpit view, while the view shows the radar.
    void update(const HudFrame& frame) override;
    void draw(const HudFrame& frame) override;

private:
    std::vector<Blip> blips;   // kept between frames: no allocation per frame
};
