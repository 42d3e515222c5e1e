#pragma once

#include "shell/view/CockpitCopy.h"

#include <GL/gl.h>

class CockpitMask;
struct Viewport;

// The painted cockpit over the scene. It is painted whole for the frames
// after it was lost (a resize, a screen drawn over it, the outside view),
// then kept: by the back buffer where the driver keeps it, otherwise put back
// every frame from a copy of itself made once the picture is finished.
class CockpitPicture {
public:
    // Frames painted whole before the picture counts as finished.
    static constexpr int PAINTED_FRAMES = 30;

    // Before a cockpit-view frame's scene: the picture, whole, or put back
    // where the buffer did not keep it. `texture` is the picture's.
    void drawBehindScene(const CockpitMask& mask, const Viewport& viewport, int windowWidth, int windowHeight,
                         GLuint texture);
    // Whatever covered the picture: paint it whole again.
    void lost() { framesPainted = 0; }
    // Counts as painted already: frames draw only the scene (tests).
    void keep() { framesPainted = PAINTED_FRAMES; }
    int painted() const { return framesPainted; }

    // The whole picture on its plane; leaves a translation in the model-view matrix.
    void paintWhole(GLuint texture) const;
    // The picture again over a frame whose buffer was not kept: only the
    // rectangles that hold cockpit pixels, and the model-view matrix as found.
    static void repaint(const CockpitMask& mask, GLuint texture);
    // Nothing of the scene shows outside the window onto space, so the
    // renderer need not even be given the dashboard's rows: scissors the
    // viewport's pixels under the mask's window, rounded outwards. Nothing
    // without a mask.
    static void scissorToWindow(const CockpitMask& mask, const Viewport& viewport);

private:
    int framesPainted = 0;   // since the picture was last lost
    CockpitCopy copy;
};
