// Guards the cockpit mask in the stencil: stretched with the picture in any window, none when missing, and
// the same when filled after the start screen's first picture.
#include "shell/view/Display.h"
#include "shell/view/View.h"
#include "support/GlWindow.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include "shell/GameWindow.h"
#include "support/ShellGame.h"

#include <algorithm>

namespace {

GameWindow& window = shellWindow();
View& view = window.view;

}


TEST(StencilMask, TheMaskCoversTheStretchedPictureInAnyWindowHeldBackOrNotAndNoMaskCoversNothing) {
    // The mask was drawn pixel for pixel at the lower-left corner, so in any
    // window but 1024 x 768 it no longer matched the stretched cockpit picture.
    const int WINDOW = 256;
    openGlWindow(WINDOW, WINDOW);
    TempDir dir;
    const int w = 64, h = 48;
    std::vector<uint8_t> bits(w * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) bits[y * w + x] = (x < 8 || y >= 40 || (x + y) % 5 == 0) ? 1 : 0;
    }
    writeFile(dir.path("mask.bmp"), encodeBmp1(w, h, bits));
    ASSERT_TRUE(view.mask.load(dir.path("mask.bmp")));

    // A 256 x 192 picture between bars of 32 rows: each mask pixel is 4 x 4.
    // Without a mask the stencil stays clear: the whole picture is window.
    // Held back for the start screen's first picture and filled after it,
    // the stencil and the matrices are as a reshape leaves them.
    const int bar = (WINDOW - WINDOW * 3 / 4) / 2;
    struct Case {
        bool masked, heldBack;
        const char* name;
    };
    GLfloat reshaped[2][16] = {};
    for (const Case& c : {Case{true, false, "with the mask"}, Case{true, true, "with the mask, filled later"},
                          Case{false, false, "without a mask"}}) {
        if (!c.masked) view.mask.clear();
        glClearStencil(1);   // every reshape must start from a cleared stencil buffer
        glClear(GL_STENCIL_BUFFER_BIT);
        glClearStencil(0);
        view.cockpit.keep();
        if (c.heldBack) {
            fitView(view, WINDOW, WINDOW, false);
            const std::vector<uint8_t> held = readStencil(0, 0, WINDOW, WINDOW);
            EXPECT_EQ(std::count(held.begin(), held.end(), 0), WINDOW * WINDOW) << "held back, it is clear";
            fillStencil(view);
        } else {
            reshape(WINDOW, WINDOW);
        }
        const std::vector<uint8_t> stencil = readStencil(0, 0, WINDOW, WINDOW);
        int mismatches = 0;
        for (int y = 0; y < WINDOW; ++y) {
            for (int x = 0; x < WINDOW; ++x) {
                const bool inPicture = c.masked && y >= bar && y < WINDOW - bar;
                mismatches += stencil[y * WINDOW + x] != (inPicture ? bits[(y - bar) / 4 * w + x / 4] : 0);
            }
        }
        EXPECT_EQ(mismatches, 0) << c.name;
        EXPECT_EQ(view.cockpit.painted(), 0) << "the clear also erased the painted cockpit";
        GLfloat matrices[2][16];
        glGetFloatv(GL_PROJECTION_MATRIX, matrices[0]);
        glGetFloatv(GL_MODELVIEW_MATRIX, matrices[1]);
        if (!c.heldBack) std::copy(&matrices[0][0], &matrices[0][0] + 32, &reshaped[0][0]);
        else EXPECT_TRUE(std::equal(&matrices[0][0], &matrices[0][0] + 32, &reshaped[0][0])) << c.name;
    }
}
