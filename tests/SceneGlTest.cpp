#include "assets/Explosion.h"
#include "assets/Font.h"
#include "assets/Ms3dModel.h"
#include "entities/Laser.h"
#include "platform/Clock.h"
#include "support/GameFixtures.h"
#include "support/GlWindow.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

const std::string BIN = SPACEFIGHT_BIN_DIR;
constexpr int SIZE = 256;

void camera(double eyeZ) {
    beginLitScene(SIZE, 80.0, 1.0, 5000.0);
    gluLookAt(0, 0, eyeZ, 0, 0, 0, 0, 1, 0);
}

int litPixels(const std::vector<uint8_t>& rgb) {
    int n = 0;
    for (size_t i = 0; i < rgb.size(); i += 3) n += rgb[i] + rgb[i + 1] + rgb[i + 2] > 24;
    return n;
}

}

// The rock tests run from build/tests, where ../bin holds the generated assets.
TEST(AsteroidDrawing, AllThreeDrawModesShowTheSamePicture) {
    openGlWindow(SIZE, SIZE);
    ASSERT_EQ(chdir(SPACEFIGHT_GAME_DIR), 0);
    GameFixture game;
    game.bank.loadTexture("../bin/oberf2k2.bmp", 10);
    game.world->displayListBase = glGenLists(7);
    Ms3dModel shared;
    ASSERT_TRUE(shared.load("../bin/data/asteroids/ast1.ms3d"));
    shared.compileDisplayList(game.world->displayListBase);
    shared.fillVertexArray(game.world->asteroidArrays[0].data(), World::ARRAY_FLOATS);
    // Rocks built in the same second tumble alike, so each first draw shows the same pose.
    std::vector<Asteroid*> rocks;
    for (int i = 0; i < 3; ++i) rocks.push_back(game.addRock(Vector3(0, 0, 0), 8.7f, 100, "../bin/data/asteroids/ast1.ms3d"));
    std::vector<uint8_t> pictures[3];
    for (int mode = 0; mode < 3; ++mode) {
        camera(20.0);
        rocks[size_t(mode)]->draw(true, mode);
        pictures[mode] = readPixels(0, 0, SIZE, SIZE);
    }
    EXPECT_GT(litPixels(pictures[0]), SIZE * SIZE / 10);
    for (int mode = 1; mode < 3; ++mode) {
        int differing = 0;
        for (size_t i = 0; i < pictures[0].size(); i += 3) {
            for (int k = 0; k < 3; ++k) {
                if (std::abs(int(pictures[0][i + k]) - int(pictures[mode][i + k])) > 8) {
                    ++differing;
                    break;
                }
            }
        }
        EXPECT_LT(differing, SIZE * SIZE / 200) << "mode " << mode;
    }
}

TEST(RenderPass, ObjectsOutOfViewAreNotDrawnButStillTumble) {
    openGlWindow(SIZE, SIZE);
    GameFixture game;
    game.addPlayer();
    Asteroid* ahead = game.addRock(Vector3(0, 0, -50));
    Asteroid* behind = game.addRock(Vector3(0, 0, 60));
    camera(0.0);
    glLoadIdentity();
    gluLookAt(0, 0, 0, 0, 0, -1, 0, 1, 0);
    const float before = behind->getTumbleAngle();
    game.world->render();
    EXPECT_TRUE(game.world->frustum.sphereInFrustum(ahead->getPosition(), ahead->getRadius()));
    EXPECT_FALSE(game.world->frustum.sphereInFrustum(behind->getPosition(), behind->getRadius()));
    EXPECT_FLOAT_EQ(behind->getTumbleAngle(), before + behind->getTumbleStep());
}

TEST(Explosions, FramesRunAt40MsAndSmallOnesRideOnTheirTarget) {
    openGlWindow(SIZE, SIZE);
    GLuint slots[100] = {};
    Explosion e(Vector3(0, 0, 0), Vector3(1, 2, 3), 7, slots, 5000);
    EXPECT_EQ(e.getLastTick(), 5000u);   // counted from creation, so it starts at frame 0
    int frames = 0;
    while (!e.isFinished() && frames < 100) {
        e.advanceAnimation(40);
        ++frames;
    }
    EXPECT_EQ(frames, 51);
    EXPECT_EQ(e.getCurrentFrame(), 51);

    Explosion skipping(Vector3(0, 0, 0), Vector3(0, 0, 0), 7, slots, 0);
    for (int i = 0; i < 20; ++i) skipping.advanceAnimation(100);   // 2000, then 2100: frame 51 skipped
    skipping.advanceAnimation(100);
    EXPECT_FALSE(skipping.isFinished());
    EXPECT_LT(skipping.getCurrentFrame(), 51);

    GameFixture game;
    game.addPlayer();
    Asteroid* target = game.addRock(Vector3(0, 0, -100));
    game.world->addExplosion(game.world->player, Vector3(0, 0, 0.001f), target->getPosition(), target->getWorldId());
    game.world->addExplosion(game.world->player, Vector3(0, 0, 0), target->getPosition(), target->getWorldId());
    target->setPosition(Vector3(10, 0, -100));
    game.world->updateExplosions();
    EXPECT_FLOAT_EQ(game.world->explosions[0]->getAnchor().x, 10.0f);
    EXPECT_FLOAT_EQ(game.world->explosions[1]->getAnchor().x, 0.0f);
}

TEST(LaserDrawing, BeamsShowRedInTheCockpitView) {
    openGlWindow(SIZE, SIZE);
    GameFixture game;
    MyShip* ship = game.addPlayer();
    Laser laser;
    laser.setLength(200.0f);
    camera(0.0);
    glLoadIdentity();
    gluLookAt(0, 0, 0, 0, 0, -1, 0, 1, 0);
    laser.draw(ship);
    const std::vector<uint8_t> rgb = readPixels(0, 0, SIZE, SIZE);
    int red = 0;
    for (size_t i = 0; i < rgb.size(); i += 3) red += rgb[i] > 100 && rgb[i + 1] < 40 && rgb[i + 2] < 40;
    EXPECT_GT(red, 100);
}

TEST(FontDrawing, TextLandsInItsGlyphBoxes) {
    openGlWindow(SIZE, SIZE);
    ASSERT_EQ(chdir(SPACEFIGHT_GAME_DIR), 0);
    // The font's space is 640 x 480 whatever the window; this one is 256 x 256.
    Font font;
    glViewport(0, 0, SIZE, SIZE);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_STENCIL_TEST);
    glColor3f(1, 1, 1);
    font.print(10, 200, "AB", 0);
    font.print(300, 300, std::string("\x01\x7f\xc3", 3), 0);   // control codes and bytes past 127: nothing
    const std::vector<uint8_t> rgb = readPixels(0, 0, SIZE, SIZE);
    int inside = 0, outside = 0;
    for (int y = 0; y < SIZE; ++y) {
        for (int x = 0; x < SIZE; ++x) {
            if (rgb[(size_t(y) * SIZE + x) * 3] < 64) continue;
            // A pixel is 2.5 x 1.9 font units: one on a box's edge may light.
            const double fx = (x + 0.5) * 640.0 / SIZE, fy = (y + 0.5) * 480.0 / SIZE;
            const bool inA = fx >= 10 - 2.5 && fx <= 26 + 2.5 && fy >= 200 - 1.9 && fy <= 216 + 1.9;
            const bool inB = fx >= 20 - 2.5 && fx <= 36 + 2.5 && fy >= 200 - 1.9 && fy <= 216 + 1.9;
            (inA || inB ? inside : outside)++;
        }
    }
    EXPECT_GT(inside, 6);
    EXPECT_EQ(outside, 0);
}
