// The game logic that runs every frame, timed apart from drawing: the player's
// collision pass, the enemy's scan of everything ahead, and the laser's hit
// test, each with the game's 26 rocks and with sixteen times as many; and the
// whole step of the game as --verify runs it.
//
// Models are not loaded (no drawing context here), which changes nothing the
// logic reads: positions, radii, margins and directions.

#include "entities/Asteroid.h"
#include "entities/EnemyShip.h"
#include "entities/Laser.h"
#include "entities/MyShip.h"
#include "assets/TextureBank.h"
#include "game/Collisions.h"
#include "game/Game.h"
#include "world/World.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The player at the origin looking down -z, the enemy ahead of it, and rocks
// spread through a cube of the field's size (fixed seed).
struct Field {
    explicit Field(int rocks) {
        SoundChoice silent;
        silent.enabled = false;
        world = std::make_unique<World>(&bank, silent);
        // The objects say that their model files are missing; nobody needs to read it.
        std::fflush(stdout);
        std::fflush(stderr);
        const int out = dup(1), err = dup(2), null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        player = new MyShip("none.ms3d", Vector3(0, 0, 0), Vector3(0, 0, -1), 13.0f, 20.0f,
                            Vector3(0.05f, 0.05f, 0.05f), 0, 0, 500.0f, world.get());
        // Not the game's shared generator: every rock reseeds that one.
        std::mt19937 random(7);
        std::uniform_real_distribution<float> spread(-800.0f, 800.0f);
        for (int i = 0; i < rocks; ++i) {
            const float x = spread(random), y = spread(random) * 0.4f, z = spread(random);
            new Asteroid("none.ms3d", Vector3(x, y, z), Vector3(1, 1, 0), 8.7f, Vector3(0.08f, 0.08f, 0.08f), 100.0f,
                         world.get());
        }
        new EnemyShip("none.ms3d", Vector3(0, -300, -250), Vector3(0, 0, 1), 12.0f, 5.0f,
                      Vector3(0.05f, 0.05f, 0.05f), 100.0f, world.get());
        std::fflush(stdout);
        std::fflush(stderr);
        dup2(out, 1);
        dup2(err, 2);
        close(out);
        close(err);
        close(null);
    }
    TextureBank bank;
    std::unique_ptr<World> world;
    MyShip* player = nullptr;
};

void collisionPass(benchmark::State& state) {
    Field field(int(state.range(0)));
    for (auto _ : state) {
        resolveCollisions(*field.world, *field.player, 1.0f / 70.0f);
        field.player->setPosition(Vector3(0, 0, 0));
    }
    state.SetLabel(std::to_string(field.world->count()) + " objects");
}

void enemyScan(benchmark::State& state) {
    Field field(int(state.range(0)));
    for (auto _ : state) field.world->updateEnemyShips(1.0f / 70.0f);
    state.SetLabel(std::to_string(field.world->count()) + " objects");
}

void laserHitTest(benchmark::State& state) {
    Field field(int(state.range(0)));
    Laser laser;
    for (auto _ : state) benchmark::DoNotOptimize(laser.fire(field.player, 0.1f, field.world.get()));
    state.SetLabel(std::to_string(field.world->count()) + " objects");
}

// One whole frame of the game, windowless as --verify steps it: a pointer
// turn and, every 20 frames, a shot.
void gameStep(benchmark::State& state) {
    SoundChoice silent;
    silent.enabled = false;
    Game game(nullptr, silent, false);
    game.populate();
    uint32_t now = 1000, frame = 0;
    InputRecord turn;
    turn.addTurn(0.0001f, -0.0001f);
    InputRecord shot = turn;
    shot.press(Action::Fire);
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.step(++frame % 20 == 0 ? shot : turn, 1.0f / 70.0f, now += 14));
        game.myShip->setEnergy(500);   // the game never ends here
    }
}

// The same at wave 8 of a score attack: nine enemies, each scanning
// everything ahead of it, gathered where they fight.
void gameStepAtWave8(benchmark::State& state) {
    SoundChoice silent;
    silent.enabled = false;
    GameRules rules;
    rules.mode = Mode::Waves;
    Game game(nullptr, silent, false, rules);
    game.populate();
    uint32_t now = 1000, frame = 0;
    while (game.waves.number() < 8) {
        for (EnemyShip* enemy : game.enemies) enemy->setEnergy(0);
        game.step(InputRecord(), 1.0f / 70.0f, now += 14);
    }
    for (size_t i = 0; i < game.enemies.size(); ++i)
        game.enemies[i]->setPosition(Vector3(40.0f * float(i) - 160.0f, 30.0f, -400.0f));
    InputRecord turn;
    turn.addTurn(0.0001f, -0.0001f);
    InputRecord shot = turn;
    shot.press(Action::Fire);
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.step(++frame % 20 == 0 ? shot : turn, 1.0f / 70.0f, now += 14));
        game.myShip->setEnergy(500);
        for (EnemyShip* enemy : game.enemies) enemy->setEnergy(100);   // the wave stays
    }
    state.SetLabel(std::to_string(game.enemies.size()) + " enemies, wave " + std::to_string(game.waves.number()));
}

}

// 26 rocks make the game's 28 objects; 416 are sixteen fields.
BENCHMARK(collisionPass)->Arg(26)->Arg(416);
BENCHMARK(enemyScan)->Arg(26)->Arg(416);
BENCHMARK(laserHitTest)->Arg(26)->Arg(416);
BENCHMARK(gameStep);
BENCHMARK(gameStepAtWave8);

BENCHMARK_MAIN();
