#pragma once

#include <cstdint>
#include <vector>

// A picture of the window kept aside, to stand behind the pause and game-over
// screens: drawn again on every redraw, so those screens never stand on
// whatever a driver that does not keep the back buffer hands back.
class KeptFrame {
public:
    // The back buffer's pixels, the whole window.
    void capture(int width, int height);
    // The kept picture stretched over the whole window, whatever its size
    // now; black when nothing is kept. Leaves the GL state as found.
    void draw(int windowWidth, int windowHeight) const;
    void forget();
    bool empty() const { return pixels.empty(); }

private:
    std::vector<uint8_t> pixels;   // RGB rows, bottom-up
    int width = 0;                 // pixels
    int height = 0;
};
