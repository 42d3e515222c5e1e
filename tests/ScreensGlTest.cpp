#include "entities/EnemyShip.h"
#include "entities/MyShip.h"
#include "shell/FrameLoop.h"
#include "shell/Game.h"
#include "shell/Input.h"
#include "shell/Scene.h"
#include "support/GlWindow.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace {

long residentKilobytes() {
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return -1;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = -1;
    std::fclose(f);
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// A game played to its end: rocks shot away, points won, the enemy elsewhere.
void playToTheEnd() {
    World& world = *game->world;
    for (unsigned i = 1; i < 6; ++i) world.objectAt(i)->setEnergy(0);
    world.removeDestroyed();
    game->myShip->addPoints(240.0f);
    game->enemyShip->setPosition(Vector3(1500, 1500, -1500));
    game->myShip->setEnergy(0);
    game->lastShotTime = 1234.0f;
    endGame();
}

}

// The whole game from the generated assets, as the program builds it, with the
// sound device open on SDL's silent driver.
TEST(NewGame, EnterOnTheGameOverScreenStartsAFreshGameAndFreesTheOld) {
    openGlWindow(256, 256);
    ASSERT_EQ(chdir(SPACEFIGHT_GAME_DIR), 0);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing::internal::CaptureStdout();
    buildScene();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ASSERT_EQ(game->world->count(), 28u);

    playToTheEnd();
    ASSERT_TRUE(game->over);
    keyDown('p', 0, 0);   // no pause on the game-over screen
    keyDown(13, 0, 0);
    EXPECT_FALSE(game->over);
    EXPECT_EQ(game->world->count(), 28u);
    EXPECT_EQ(game->myShip->getEnergy(), 500.0f);
    EXPECT_EQ(game->myShip->getPoints(), 0.0f);
    EXPECT_EQ(game->lastShotTime, 0.0f);
    EXPECT_FALSE(game->enemyShip->getPosition() != Vector3(0, -300, -250));
    EXPECT_EQ(game->world->player, game->myShip);

    // Enter during play changes nothing.
    const Game* playing = game;
    keyDown(13, 0, 0);
    EXPECT_EQ(game, playing);

#if !defined(__SANITIZE_ADDRESS__)
    // The allocator settles over the first ten games or so; after that each
    // game's memory (objects, arrays, textures, lists, sound and music) must
    // come back in full. Single readings jump by a megabyte now and then while
    // the sound thread is busy, so the median of the last five games counts.
    auto restarts = [](int n) {
        std::vector<long> resident;
        for (int i = 0; i < n; ++i) {
            playToTheEnd();
            keyDown(13, 0, 0);
            glFinish();   // as a shown frame would: the renderer's queued work is done and freed
            resident.push_back(residentKilobytes());
        }
        std::vector<long> last(resident.end() - 5, resident.end());
        std::sort(last.begin(), last.end());
        return last[2];
    };
    const long before = restarts(10);
    const long after = restarts(20);
    RecordProperty("rss_growth_kb", static_cast<int>(after - before));
    EXPECT_LE(after - before, 1024) << "resident kB before " << before << ", after " << after;
#endif
}
