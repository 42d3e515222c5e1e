#pragma once

#include "Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

// Every picture the game shows, painted in code. Sizes are in pixels.
namespace Pictures {

constexpr int COCKPIT_WIDTH = 1024, COCKPIT_HEIGHT = 768;

// True where the pilot looks out into space (the window), in cockpit pixels
// with y down. The cockpit picture is black there and the mask clear.
bool isWindow(int x, int y);
Canvas cockpit();
Canvas cockpitPainted(bool needles);   // cockpit() is this with its dials' painted needles
// The two dials' squares of the cockpit without needles, side by side (256 x 128).
Canvas dialFaces();
std::vector<uint8_t> cockpitMask();   // one byte per pixel, 1 = cockpit, rows bottom-up

Canvas crosshair();                                 // 128 x 128 reticle on black
Canvas gameOver(const std::string& boldFontFile);   // 1024 x 128 band on black
Canvas rockSurface(int variant);                    // 256 x 256, tiles seamlessly; variants 0, 1, 2
Canvas explosionFrame(int frame);                   // 128 x 128, frames 0..51
Canvas sky();                                       // 512 x 512
Canvas hull();                                      // 256 x 256, the fighter's paint
Canvas hullDetail();                                // 256 x 256, light grey: panel lines and wear

}
