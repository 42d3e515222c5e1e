#pragma once

// The cockpit picture's two dials (1024 x 768 picture pixels, y down): the
// generator paints them, and the game moves their needles over the same
// places. A needle at `fraction` f of its scale points at the angle
// pi * (START + SWEEP * f), y down: from lower left over the top to lower right.
namespace CockpitDials {

constexpr int SPEED_X = 300, SPEED_Y = 680;   // left: speed, -100 to 100
constexpr int POWER_X = 724, POWER_Y = 680;   // right: power, 0 to 500
constexpr int RADIUS = 52;                     // the face, inside a 3-pixel rim
constexpr double START = 0.75, SWEEP = 1.5;    // in half turns
constexpr double NEEDLE = 0.8;                 // the needle's length in radii
// dials.bmp: the two faces without needles, speed then power, each a square
// of FACE_SIZE picture pixels centred on its dial.
constexpr int FACE_SIZE = 128;

}
