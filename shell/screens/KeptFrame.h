#pragma once

#include "shell/view/CockpitCopy.h"

#include <vector>

struct Viewport;

// A picture of the window kept aside, to stand behind the pause and game-over
// screens: drawn again on every redraw, so those screens never stand on
// whatever a driver that does not keep the back buffer hands back.
// It is kept in a texture, as the cockpit's copy is, not as pixels drawn
// with glDrawPixels: Mesa keeps a texture and a copy of the last pixels
// drawn that way (5.5 MB at 1024x768), which with our own copy of them came
// as a step of 7.7 MB in a long game's memory at its first game over.
class KeptFrame {
public:
    // The texture's storage for pictures of this viewport's size, made now
    // (at start-up), not in the first pause or game over. Does nothing once
    // made: a picture of another size makes its own when it is kept.
    void prepare(const Viewport& area);
    // The back buffer's pixels in the picture's area.
    void capture(const Viewport& area);
    // The kept picture stretched over the picture's area now, black bars
    // about it, whatever the window's size; black when nothing is kept.
    // Leaves the GL state as found.
    void draw(const Viewport& area) const;
    void forget();
    bool empty() const { return !copy.saved(); }

private:
    CockpitCopy copy;                  // the picture, texel for pixel
    std::vector<PictureRect> whole;    // the one piece drawn back: all of it
    bool prepared = false;
};
