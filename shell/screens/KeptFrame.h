#pragma once

#include <cstdint>
#include <vector>

struct Viewport;

// A picture of the window kept aside, to stand behind the pause and game-over
// screens: drawn again on every redraw, so those screens never stand on
// whatever a driver that does not keep the back buffer hands back.
class KeptFrame {
public:
    // The back buffer's pixels in the picture's area.
    void capture(const Viewport& area);
    // The kept picture stretched over the picture's area now, black bars
    // about it, whatever the window's size; black when nothing is kept.
    // Leaves the GL state as found.
    void draw(const Viewport& area, int windowWidth, int windowHeight) const;
    void forget();
    bool empty() const { return pixels.empty(); }

private:
    std::vector<uint8_t> pixels;   // RGB rows, bottom-up
    int width = 0;                 // pixels
    int height = 0;
};
