#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <functional>
#include <vector>

// One GLUT window per test process on the X server in DISPLAY (Xvfb in the test
// command), with colour, depth and stencil buffers like the game's. Tests draw
// into its back buffer and read the pixels back. They run in the game's own
// directory, where its data is ../bin as the program finds it.
void openGlWindow(int width = 256, int height = 256);

// RGB bytes of a rectangle of the back buffer, bottom row first.
std::vector<uint8_t> readPixels(int x, int y, int width, int height);
// Pixels of two RGB pictures of one size that differ by more than
// `tolerance` in any channel.
int differingPixels(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int tolerance);
// The stencil values of a rectangle, bottom row first.
std::vector<uint8_t> readStencil(int x, int y, int width, int height);

// Clears a size x size view to black with nothing enabled that would hide or
// tint a flat picture (lighting, depth, stencil, texturing), ready to draw in.
void beginFlatPicture(int size);

// The same with a perspective camera at the origin, depth test, the game's
// light from above, lighting and colour material on, white.
void beginLitScene(int size, double fieldOfView, double nearPlane, double farPlane);

// One pixel of a picture read back.
struct Pixel {
    uint8_t r, g, b;
};
inline Pixel pixelAt(const std::vector<uint8_t>& rgb, int width, int x, int y) {
    const uint8_t* p = &rgb[(size_t(y) * width + x) * 3];
    return Pixel{p[0], p[1], p[2]};
}
// Pixels for which `test` holds in the rectangle [x0, x1) x [y0, y1) of an
// RGB picture `width` pixels wide (the whole picture by default).
int countPixels(const std::vector<uint8_t>& rgb, int width, const std::function<bool(Pixel)>& test, int x0 = 0,
                int y0 = 0, int x1 = -1, int y1 = -1);
inline bool isLit(Pixel p) { return p.r + p.g + p.b > 60; }
inline bool isMagenta(Pixel p) { return p.r > 200 && p.g < 50 && p.b > 200; }
