// Guards the cockpit mask in the stencil: stretched with the picture in any window, and none when missing.
#include "shell/view/Display.h"
#include "shell/view/View.h"
#include "support/GlWindow.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include "shell/GameWindow.h"
#include "support/ShellGame.h"

namespace {

GameWindow& window = shellWindow();
View& view = window.view;

}


TEST(StencilMask, TheMaskCoversTheStretchedPictureInAnyWindowAndNoMaskCoversNothing) {
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
    const int bar = (WINDOW - WINDOW * 3 / 4) / 2;
    for (const bool masked : {true, false}) {
        if (!masked) view.mask.clear();
        glClearStencil(1);   // every reshape must start from a cleared stencil buffer
        glClear(GL_STENCIL_BUFFER_BIT);
        glClearStencil(0);
        view.cockpit.keep();
        reshape(WINDOW, WINDOW);
        const std::vector<uint8_t> stencil = readStencil(0, 0, WINDOW, WINDOW);
        int mismatches = 0;
        for (int y = 0; y < WINDOW; ++y) {
            for (int x = 0; x < WINDOW; ++x) {
                const bool inPicture = masked && y >= bar && y < WINDOW - bar;
                mismatches += stencil[y * WINDOW + x] != (inPicture ? bits[(y - bar) / 4 * w + x / 4] : 0);
            }
        }
        EXPECT_EQ(mismatches, 0) << (masked ? "with the mask" : "without a mask");
        EXPECT_EQ(view.cockpit.painted(), 0) << "the clear also erased the painted cockpit";
    }
}
