#pragma once

#include <cstdint>
#include <vector>

// The desktop icon: a round window on space with a rock, laser beams and the
// reticle. SIZE x SIZE pixels, RGBA, rows top to bottom, clear outside the disc.
namespace Icon {

constexpr int SIZE = 256;
std::vector<uint8_t> rgba();

}
