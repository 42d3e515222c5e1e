// Guards the laser's cylinder: drawn at its true height, and its display lists never piling up.
#include "assets/SolidShapes.h"
#include "support/GlWindow.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(SolidCylinder, CacheKeepsTheMostRecentlyUsedAndFreesTheRest) {
    openGlWindow();
    CylinderCache::clear();
    // One shot after another at new lengths, as a long game fires them.
    solidCylinder(0.3, 1.0);
    const GLuint first = CylinderCache::listFor(0.3, 1.0);
    solidCylinder(0.3, 1.0);   // seen before: played, not compiled again
    solidCylinder(0.3, 1.000001);
    const GLuint second = CylinderCache::listFor(0.3, 1.000001);
    EXPECT_EQ(CylinderCache::size(), 2u);
    EXPECT_EQ(CylinderCache::listFor(0.3, 1.0), first);
    for (int i = 3; i <= 64; ++i) solidCylinder(0.3, double(i));
    EXPECT_EQ(CylinderCache::size(), 64u);
    solidCylinder(0.3, 1.0);   // used again: now the most recent
    solidCylinder(0.3, 65.0);
    EXPECT_EQ(CylinderCache::size(), 64u);
    EXPECT_EQ(CylinderCache::listFor(0.3, 1.0), first);
    EXPECT_EQ(CylinderCache::listFor(0.3, 1.000001), 0u);
    EXPECT_FALSE(glIsList(second));
    for (int i = 0; i < 1000; ++i) solidCylinder(0.1, 100.0 + i);
    EXPECT_EQ(CylinderCache::size(), 64u);
    CylinderCache::clear();
}

TEST(SolidCylinder, HeightTwoSpansFromPlusOneToMinusOne) {
    const int size = 256;
    openGlWindow(size, size);
    beginFlatPicture(size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2, 2, -2, 2, -10, 10);   // 64 pixels per unit
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(1, 1, 1);
    solidCylinder(0.5, 2.0);
    const std::vector<uint8_t> pixels = readPixels(0, 0, size, size);
    auto lit = [&](float x, float y) { return pixelAt(pixels, size, int((x + 2) * 64), int((y + 2) * 64)).r > 128; };
    // Just inside the ends and the side, then just beyond them.
    const std::tuple<float, float, bool> points[] = {{0, 0.95f, true},  {0, -0.95f, true},  {0.45f, 0, true},
                                                     {0, 1.05f, false}, {0, -1.05f, false}, {0.55f, 0, false}};
    for (const auto& [x, y, inside] : points) EXPECT_EQ(lit(x, y), inside) << x << ", " << y;
    CylinderCache::clear();
}
