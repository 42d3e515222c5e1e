#include "GameFixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>

GameFixture::GameFixture() {
    // Silent and fast: the effects are mixed but written nowhere.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing::internal::CaptureStdout();
    world = std::make_unique<World>(&bank);
    worldMessages = testing::internal::GetCapturedStdout();
}

GameFixture::~GameFixture() = default;

MyShip* GameFixture::addPlayer(const Vector3& position, const Vector3& direction, float speed, float energy) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    MyShip* ship = new MyShip("none.ms3d", position, direction, 13.0f, speed, Vector3(0.05f, 0.05f, 0.05f), 0, 0,
                              energy, world.get());
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    return ship;
}

Asteroid* GameFixture::addRock(const Vector3& position, float radius, float energy, const std::string& model) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Asteroid* rock = new Asteroid(model, position, Vector3(1, 1, 0), radius, Vector3(0.08f, 0.08f, 0.08f), energy,
                                  world.get());
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    return rock;
}

EnemyShip* GameFixture::addEnemy(const Vector3& position, const Vector3& direction, float speed) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EnemyShip* enemy = new EnemyShip("none.ms3d", position, direction, 12.0f, speed, Vector3(0.05f, 0.05f, 0.05f),
                                     100.0f, world.get());
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    return enemy;
}
