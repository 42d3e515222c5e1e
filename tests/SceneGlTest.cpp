// Guards what the scene draws: rocks in all modes, culling, explosions, text, game over and radar.
#include "assets/Explosion.h"
#include "assets/Font.h"
#include "assets/Ms3dModel.h"
#include "platform/BestScore.h"
#include "settings/Settings.h"
#include "shell/screens/GameOverScreen.h"
#include "shell/screens/ScreenFrame.h"
#include "shell/hud/Radar.h"
#include "support/GameFixtures.h"
#include "support/GlWindow.h"
#include "support/TestFiles.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int SIZE = 256;

// Looking down -z from (0, 0, eyeZ).
void camera(double eyeZ) {
    beginLitScene(SIZE, 80.0, 1.0, 5000.0);
    gluLookAt(0, 0, eyeZ, 0, 0, eyeZ - 1, 0, 1, 0);
}

}

TEST(AsteroidDrawing, AllThreeDrawModesShowTheSamePicture) {
    openGlWindow(SIZE, SIZE);
    GameFixture game;
    game.bank.loadTexture("../bin/oberf2k2.bmp", 10);
    game.world->displayListBase = glGenLists(7);
    Ms3dModel shared;
    ASSERT_TRUE(shared.load("../bin/data/asteroids/ast1.ms3d"));
    shared.compileDisplayList(game.world->displayListBase);
    shared.fillVertexArray(game.world->asteroidArrays[0].data(), World::ARRAY_FLOATS);
    // Rocks built in the same second tumble alike, so each first draw shows the same pose.
    std::vector<uint8_t> pictures[3];
    for (int mode = 0; mode < 3; ++mode) {
        camera(20.0);
        game.addRock(Vector3(0, 0, 0), 8.7f, 100, "../bin/data/asteroids/ast1.ms3d")->draw(true, mode);
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
    for (; !e.isFinished() && frames < 100; ++frames) e.advanceAnimation(40);
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
    game.world->advanceExplosions();
    EXPECT_FLOAT_EQ(game.world->explosions[0]->getAnchor().x, 10.0f);
    EXPECT_FLOAT_EQ(game.world->explosions[1]->getAnchor().x, 0.0f);
}

// Blended only over the pixels its lit texels reach, a fireball is the same
// picture, to the byte, as blended whole: large and small, turned, partly out
// of view and reaching behind the eye, over a background it adds to.
TEST(Explosions, CroppedToTheirLitTexelsTheyShowTheSamePicture) {
    openGlWindow(SIZE, SIZE);
    TextureBank bank;
    const int frames[] = {0, 20, 40};
    for (int frame : frames) {
        bank.loadTexture("../bin/data/explosion/ex" + std::to_string(100 + frame).substr(1) + ".bmp",
                         Explosion::FIRST_SLOT + frame);
    }
    EXPECT_GT(bank.litAreas[Explosion::FIRST_SLOT].s0, 0.1f) << "the first frame is lit about its middle only";
    const float c = std::cos(0.6f), s = std::sin(0.6f);
    const float turned[16] = {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1};
    struct Placing {
        Vector3 offset, anchor;
    } placings[] = {
        {{0, 0, 0}, {0, 0, -40}}, {{0, 0, 1}, {1, -1, -6}}, {{0, 0, 0}, {30, 10, -30}}, {{0.01f, 0, 0}, {0, 0, -1.5f}}};
    for (int frame : frames) {
        for (const Placing& p : placings) {
            std::vector<uint8_t> pictures[3];
            for (int way = 0; way < 3; ++way) {
                camera(0.0);
                glClearColor(0.3f, 0.2f, 0.4f, 1.0f);
                glClear(GL_COLOR_BUFFER_BIT);
                if (way == 2) {   // the background alone
                    pictures[2] = readPixels(0, 0, SIZE, SIZE);
                    break;
                }
                Explosion e(p.offset, p.anchor, -1, bank.slots.data(), 0, way == 0 ? bank.litAreas.data() : nullptr);
                e.advanceAnimation(frame * Explosion::FRAME_DURATION);
                e.draw(turned);
                pictures[way] = readPixels(0, 0, SIZE, SIZE);
            }
            EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
            EXPECT_GT(differingPixels(pictures[1], pictures[2], 0), 0) << "frame " << frame << " at " << p.anchor.x;
            EXPECT_EQ(differingPixels(pictures[0], pictures[1], 0), 0) << "frame " << frame << " at " << p.anchor.x;
        }
    }
    glClearColor(0, 0, 0, 1);
}

TEST(FontDrawing, TextLandsInItsGlyphBoxes) {
    openGlWindow(SIZE, SIZE);
    // The font's space is 640 x 480 whatever the window; this one is 256 x 256.
    Font font;
    beginFlatPicture(SIZE);
    glColor3f(1, 1, 1);
    font.print(10, 200, "AB", 0);
    font.print(300, 300, std::string("\x01\x7f\xc3", 3), 0);   // control codes and bytes past 127: nothing
    // Longer than one batch of glyphs: the pen carries on, so the A lands at 300.
    font.print(-340, 100, std::string(64, ' ') + "A", 0);
    const std::vector<uint8_t> rgb = readPixels(0, 0, SIZE, SIZE);
    const auto lit = [](Pixel p) { return p.r >= 64; };
    // Lit pixels in a box of font units; a pixel is 2.5 x 1.9 of them, so one on the box's edge may light.
    const auto litIn = [&](int x0, int y0, int x1, int y1) {
        return countPixels(rgb, SIZE, lit, x0 * SIZE / 640 - 1, y0 * SIZE / 480 - 1, x1 * SIZE / 640 + 2, y1 * SIZE / 480 + 2);
    };
    const int inside = litIn(10, 200, 36, 216), carried = litIn(300, 100, 316, 116);
    EXPECT_GT(inside, 6);
    EXPECT_GT(carried, 3);
    EXPECT_EQ(countPixels(rgb, SIZE, lit), inside + carried) << "nothing outside the glyph boxes";
}

TEST(GameOver, TheBandAndThePointsReplaceTheGame) {
    openGlWindow(SIZE, SIZE);
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
    auto pale = [](const std::vector<uint8_t>& rgb, int x, int y) {
        const Pixel p = pixelAt(rgb, SIZE, x, y);
        return p.r > 150 && p.g > 200 && p.b > 150;
    };
    const std::vector<uint8_t> first = frame();
    EXPECT_TRUE(pale(first, 128, 128 + 35));
    const Pixel enemy = pixelAt(first, SIZE, 128 + 35, 128);
    EXPECT_TRUE(enemy.r > 200 && enemy.g < 80) << "the enemy's blip is red";
    // The scope itself is the painted one: dark inside, a grey rim at 72.
    EXPECT_LT(pixelAt(first, SIZE, 128 - 30, 128 - 40).r, 40);
    EXPECT_GT(pixelAt(first, SIZE, 128 - 72, 128).r, 40);

    rock->setPosition(Vector3(0, 0, 500));   // now behind
    const std::vector<uint8_t> second = frame();
    EXPECT_FALSE(pale(second, 128, 128 + 35));
    EXPECT_TRUE(pale(second, 128, 128 - 35));
    // Outside the scope's square nothing was touched.
    EXPECT_EQ(countPixels(second, SIZE, isLit, 0, 0, 40, 40), 0);
    glViewport(0, 0, SIZE, SIZE);
    glClearStencil(0);
}
