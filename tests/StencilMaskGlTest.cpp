#include "shell/Display.h"
#include "shell/ShellState.h"
#include "support/GlWindow.h"
#include "support/TestFiles.h"
#include "tools/BmpWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int WINDOW = 256;

void fillStencil(int value) {
    glClearStencil(value);
    glClear(GL_STENCIL_BUFFER_BIT);
    glClearStencil(0);
}

}

TEST(StencilMask, ReshapeDrawsTheMaskAtTheLowerLeftCorner) {
    openGlWindow(WINDOW, WINDOW);
    TempDir dir;
    const int w = 64, h = 32;
    std::vector<uint8_t> bits(w * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) bits[y * w + x] = (x < 8 || y >= 24 || (x + y) % 5 == 0) ? 1 : 0;
    }
    writeFile(dir.path("mask.bmp"), encodeBmp1(w, h, bits));
    ASSERT_TRUE(readBmpRecord(cockpitMask, dir.path("mask.bmp")));
    cockpitStencil = cockpitMask.stencilIndices();

    fillStencil(1);   // every reshape must start from a cleared stencil buffer
    cockpitFrames = 30;
    reshape(WINDOW, WINDOW);
    const std::vector<uint8_t> stencil = readStencil(0, 0, WINDOW, WINDOW);
    int mismatches = 0;
    for (int y = 0; y < WINDOW; ++y) {
        for (int x = 0; x < WINDOW; ++x) {
            const int expected = (x < w && y < h) ? bits[y * w + x] : 0;
            if (stencil[y * WINDOW + x] != expected) ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(cockpitFrames, 0);   // the clear also erased the painted cockpit
    EXPECT_EQ(windowWidth, WINDOW);
}

TEST(StencilMask, WithoutAMaskTheStencilStaysClear) {
    openGlWindow(WINDOW, WINDOW);
    cockpitMask = BmpRecord();
    cockpitStencil.clear();
    fillStencil(1);
    reshape(WINDOW, WINDOW);
    const std::vector<uint8_t> stencil = readStencil(0, 0, WINDOW, WINDOW);
    EXPECT_EQ(std::count(stencil.begin(), stencil.end(), 0), WINDOW * WINDOW);
}
