#include "GameFixtures.h"

#include <SDL2/SDL.h>

#include <gtest/gtest.h>

#include <cstdlib>

GameFixture::GameFixture() {
    // Silent and fast: the effects are mixed but written nowhere.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing::internal::CaptureStdout();
    world = std::make_unique<World>(&bank);
    worldMessages = testing::internal::GetCapturedStdout();
}

namespace {

// Objects report their missing model files; the tests do not need to see that.
template <typename Make>
auto quietly(Make make) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    auto made = make();
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    return made;
}

}

MyShip* GameFixture::addPlayer(const Vector3& position, const Vector3& direction, float speed, float energy) {
    return quietly([&] { return new MyShip("none.ms3d", position, direction, 13.0f, speed, Vector3(0.05f, 0.05f, 0.05f), 0, 0,
                              energy, world.get()); });
}

Asteroid* GameFixture::addRock(const Vector3& position, float radius, float energy, const std::string& model) {
    return quietly([&] { return new Asteroid(model, position, Vector3(1, 1, 0), radius, Vector3(0.08f, 0.08f, 0.08f), energy,
                                  world.get()); });
}

EnemyShip* GameFixture::addEnemy(const Vector3& position, const Vector3& direction, float speed) {
    return quietly([&] { return new EnemyShip("none.ms3d", position, direction, 12.0f, speed, Vector3(0.05f, 0.05f, 0.05f),
                                     100.0f, world.get()); });
}

_SDL_Joystick* plugInTestPad(int* index) {
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "test pad";
    const int device = SDL_JoystickAttachVirtualEx(&desc);
    if (index) *index = device;
    return device < 0 ? nullptr : SDL_JoystickOpen(device);
}
