#pragma once

#include <cstdint>
#include <vector>

// The desktop icon: a round window on space with a rock, laser beams and the
// reticle. SIZE x SIZE pixels, RGBA, rows top to bottom, clear outside the disc.
namespace Icon {

constexpr int SIZE = 256;
std::vector<uint8_t> rgba();

// The icon at `size` x `size` pixels (at most SIZE), each pixel the average
// of the part of the large one it covers, weighted by opacity so the clear
// outside does not darken the rim.
std::vector<uint8_t> rgba(int size);

}
