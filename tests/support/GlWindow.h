#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

// One GLUT window per test process on the X server in DISPLAY (Xvfb in the test
// command), with colour, depth and stencil buffers like the game's. Tests draw
// into its back buffer and read the pixels back.
void openGlWindow(int width = 256, int height = 256);

// RGB bytes of a rectangle of the back buffer, bottom row first.
std::vector<uint8_t> readPixels(int x, int y, int width, int height);
// Pixels of two RGB pictures of one size that differ by more than
// `tolerance` in any channel.
int differingPixels(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int tolerance);
// The stencil values of a rectangle, bottom row first.
std::vector<uint8_t> readStencil(int x, int y, int width, int height);

// Clears a size x size view and sets up a perspective camera at the origin
// with the game's light from above, lighting and colour material on, white.
void beginLitScene(int size, double fieldOfView, double nearPlane, double farPlane);
