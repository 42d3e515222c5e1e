#pragma once

#include "shell/view/CockpitMask.h"

#include <GL/gl.h>

#include <vector>

struct Viewport;

// The painted cockpit, read from the back buffer into a texture of the
// viewport's size and put back texel for texel: nearest sampling, no
// lighting, blending, depth or stencil. Where the driver does not keep the
// back buffer this replaces painting the picture again, which filters the
// picture's texture and tests the stencil at every pixel.
class CockpitCopy {
public:
    CockpitCopy() = default;
    CockpitCopy(const CockpitCopy&) = delete;
    CockpitCopy& operator=(const CockpitCopy&) = delete;
    ~CockpitCopy();

    // Copies the viewport's area of the back buffer. False, with nothing
    // kept, where the copy fails (too large a texture for the driver).
    bool save(const Viewport& area);
    // Puts the pieces (rectangles of a maskWidth x maskHeight picture laid
    // over the viewport) back from the copy; false if nothing is kept. Texel
    // for pixel over the viewport saved; over another it is stretched.
    // Leaves depth and stencil testing on and texturing off, as the
    // cockpit's own painting does.
    bool restore(const std::vector<PictureRect>& pieces, int maskWidth, int maskHeight) const;
    bool saved() const { return isSaved; }
    void forget() { isSaved = false; }

private:
    GLuint texture = 0;
    int storedWidth = 0, storedHeight = 0;   // the texture's storage; 0: none yet
    bool isSaved = false;
};
