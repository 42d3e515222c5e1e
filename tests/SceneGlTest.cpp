// Guards what the scene draws: rocks in all modes, culling, explosions, laser, text, game over and radar.
#include "assets/Explosion.h"
#include "assets/Font.h"
#include "assets/Ms3dModel.h"
#include "entities/Laser.h"
#include "platform/BestScore.h"
#include "platform/Clock.h"
#include "shell/input/Settings.h"
#include "shell/screens/GameOverScreen.h"
#include "shell/screens/ScreenFrame.h"
#include "shell/hud/Radar.h"
#include "shell/Scene.h"
#include "shell/view/View.h"
#include "support/GameFixtures.h"
#include "support/GlWindow.h"
#include "support/TestFiles.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int SIZE = 256;

void camera(double eyeZ) {
    beginLitScene(SIZE, 80.0, 1.0, 5000.0);
    gluLookAt(0, 0, eyeZ, 0, 0, 0, 0, 1, 0);
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
    EXPECT_GT(countPixels(pictures[0], SIZE, [](Pixel p) { return p.r + p.g + p.b > 24; }), SIZE * SIZE / 10);
    for (int mode = 1; mode < 3; ++mode) {
        EXPECT_LT(differingPixels(pictures[0], pictures[mode], 8), SIZE * SIZE / 200) << "mode " << mode;
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
    const auto red = [](Pixel p) { return p.r > 100 && p.g < 40 && p.b < 40; };
    EXPECT_GT(countPixels(readPixels(0, 0, SIZE, SIZE), SIZE, red), 100);
}

TEST(FontDrawing, TextLandsInItsGlyphBoxes) {
    openGlWindow(SIZE, SIZE);
    ASSERT_EQ(chdir(SPACEFIGHT_GAME_DIR), 0);
    // The font's space is 640 x 480 whatever the window; this one is 256 x 256.
    Font font;
    beginFlatPicture(SIZE);
    glColor3f(1, 1, 1);
    font.print(10, 200, "AB", 0);
    font.print(300, 300, std::string("\x01\x7f\xc3", 3), 0);   // control codes and bytes past 127: nothing
    // Longer than one batch of glyphs: the pen carries on, so the A lands at 300.
    font.print(-340, 100, std::string(64, ' ') + "A", 0);
    const std::vector<uint8_t> rgb = readPixels(0, 0, SIZE, SIZE);
    int inside = 0, outside = 0, carried = 0;
    for (int y = 0; y < SIZE; ++y) {
        for (int x = 0; x < SIZE; ++x) {
            if (rgb[(size_t(y) * SIZE + x) * 3] < 64) continue;
            // A pixel is 2.5 x 1.9 font units: one on a box's edge may light.
            const double fx = (x + 0.5) * 640.0 / SIZE, fy = (y + 0.5) * 480.0 / SIZE;
            const bool inA = fx >= 10 - 2.5 && fx <= 26 + 2.5 && fy >= 200 - 1.9 && fy <= 216 + 1.9;
            const bool inB = fx >= 20 - 2.5 && fx <= 36 + 2.5 && fy >= 200 - 1.9 && fy <= 216 + 1.9;
            const bool inC = fx >= 300 - 2.5 && fx <= 316 + 2.5 && fy >= 100 - 1.9 && fy <= 116 + 1.9;
            (inA || inB ? inside : inC ? carried : outside)++;
        }
    }
    EXPECT_GT(inside, 6);
    EXPECT_GT(carried, 3);
    EXPECT_EQ(outside, 0);
}

TEST(GameOver, TheBandAndThePointsReplaceTheGame) {
    openGlWindow(SIZE, SIZE);
    ASSERT_EQ(chdir(SPACEFIGHT_GAME_DIR), 0);
    GameFixture game;
    game.bank.loadTexture("../bin/data/div/GameOver.bmp", 9);
    Font gameFont;
    TempDir dir;
    BestScore best(dir.path("best-score"));
    best.offer(240);
    beginFlatPicture(SIZE);
    glEnable(GL_STENCIL_TEST);
    GameOverScreen().draw({Settings(), &gameFont, &best, 160.0f, game.bank.slots[9]});
    const std::vector<uint8_t> rgb = readPixels(0, 0, SIZE, SIZE);
    EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST));   // the picture may cover the cockpit
    // The band (116 of 768 rows about the centre) holds the red letters; the
    // points, the best points and the keys stand below it, in font units of
    // 640 x 480, and above the dashboard: its instrument hump rises to 126
    // (the lines once stood across the radar panel's top edge).
    auto redIn = [&](int x0, int y0, int x1, int y1) {
        return countPixels(rgb, SIZE, [](Pixel p) { return p.r > 128; }, x0, y0, x1, y1);
    };
    auto line = [&](int y) { return redIn(200 * SIZE / 640, y * SIZE / 480, 400 * SIZE / 640, (y + 18) * SIZE / 480); };
    EXPECT_GT(redIn(0, SIZE / 2 - 40, SIZE, SIZE / 2 + 40), 500);
    for (int y : GameOverScreen::LINES) EXPECT_GT(line(y), 20) << "the line at " << y;
    EXPECT_EQ(redIn(0, 0, SIZE, 127 * SIZE / 480), 0) << "nothing over the dashboard";
}

// The scope's square of the picture is put in the window's middle: one
// picture pixel per window pixel, scope centre at (128, 128), ahead up.
TEST(RadarDrawing, BlipsShowWhereTheyAreAndLastFramesAreWipedOut) {
    openGlWindow(SIZE, SIZE);
    ASSERT_EQ(chdir(SPACEFIGHT_GAME_DIR), 0);
    GameFixture game;
    game.bank.loadTexture("../bin/data/cockpit/cockpit.bmp", 6);
    MyShip* ship = game.addPlayer();
    Asteroid* rock = game.addRock(Vector3(0, 0, -500));   // ahead, half the range
    game.addEnemy(Vector3(500, 0, 0));                     // right, half the range
    glViewport(SIZE / 2 - 512, SIZE / 2 - (768 - 668), 1024, 768);
    glClearStencil(1);   // all cockpit
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    Radar radar;
    auto frame = [&] {
        radar.update(*game.world, *ship);
        radar.draw(game.bank.slots[6]);
        return readPixels(0, 0, SIZE, SIZE);
    };
    auto pixel = [](const std::vector<uint8_t>& rgb, int x, int y) { return &rgb[(size_t(y) * SIZE + x) * 3]; };
    auto pale = [&](const std::vector<uint8_t>& rgb, int x, int y) {
        const uint8_t* p = pixel(rgb, x, y);
        return p[0] > 150 && p[1] > 200 && p[2] > 150;
    };
    const std::vector<uint8_t> first = frame();
    EXPECT_TRUE(pale(first, 128, 128 + 35));
    const uint8_t* enemy = pixel(first, 128 + 35, 128);
    EXPECT_GT(enemy[0], 200);
    EXPECT_LT(enemy[1], 80);
    // The scope itself is the painted one: dark inside, a grey rim at 72.
    EXPECT_LT(pixel(first, 128 - 30, 128 - 40)[0], 40);
    EXPECT_GT(pixel(first, 128 - 72, 128)[0], 40);

    rock->setPosition(Vector3(0, 0, 500));   // now behind
    const std::vector<uint8_t> second = frame();
    EXPECT_FALSE(pale(second, 128, 128 + 35));
    EXPECT_TRUE(pale(second, 128, 128 - 35));
    // Outside the scope's square nothing was touched.
    EXPECT_EQ(pixel(second, 20, 20)[0] + pixel(second, 20, 20)[1] + pixel(second, 20, 20)[2], 0);
    glViewport(0, 0, SIZE, SIZE);
    glClearStencil(0);
}
