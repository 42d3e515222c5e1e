// Guards the controller (SDL virtual): the dead zone, one shot a press, throttle steps, Back held for the options, arrows once a push, and pulled out mid-flight.
#include "platform/Gamepad.h"
#include "platform/GamepadInput.h"
#include "support/GameFixtures.h"

#include <SDL2/SDL.h>

#include <gtest/gtest.h>

TEST(Gamepad, TheStickSteersPastTheDeadZoneFiresAndLetsGoWhenPulledOut) {
    GameFixture game;
    MyShip* ship = game.addPlayer();
    Gamepad pad;
    ASSERT_TRUE(pad.open());
    GamepadInput input;
    double now = 1000.0;
    // The shell applies what the controller asks as it applies a recorded command.
    auto poll = [&](bool playing = true) {
        const PadCommand command = input.update(pad.poll(), playing, now += 14.0, 0.15f, false);
        if (command.setsTurn) {
            ship->stopTurning();
            ship->addTurn(command.yaw, command.pitch);
        }
        return command;
    };
    EXPECT_FALSE(pad.poll().connected) << "no controller: nothing, and no word of it";

    int index = -1;
    SDL_Joystick* stick = plugInTestPad(&index);   // the test's hand on a controller plugged in
    ASSERT_NE(stick, nullptr);
    poll();
    ASSERT_TRUE(pad.poll().connected) << "plugged in while playing: picked up";

    // 10%: inside the dead zone; full right; halfway left.
    const std::pair<int16_t, float> steering[] = {
        {32767 / 10, 0.0f}, {32767, GamepadInput::LIMIT}, {-32767 / 2, -GamepadInput::LIMIT * (0.5f - 0.15f) / 0.85f}};
    for (const auto& [axis, yaw] : steering) {
        SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTX, axis);
        poll();
        EXPECT_NEAR(ship->getYawRate(), yaw, 1e-4f) << axis;
    }
    // The pointer moved last: the stick, left alone, does not take its turn back.
    ship->addTurn(0.1f, 0.0f);
    const float pointerTurn = ship->getYawRate();
    poll();
    EXPECT_EQ(ship->getYawRate(), pointerTurn);

    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 1);
    EXPECT_TRUE(poll().fire);
    EXPECT_FALSE(poll().fire) << "held, it fires once";
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 0);
    poll();
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 1);
    EXPECT_TRUE(poll().fire);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 0);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_START, 1);
    EXPECT_TRUE(poll(false).start) << "Start counts on every screen";
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_START, 0);
    // Back: the help at once, the options once it is held a second, once.
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_BACK, 1);
    EXPECT_TRUE(poll(false).back);
    int opened = 0, firstAt = 0;
    for (int i = 1; i < 150; ++i) if (poll(false).options && ++opened == 1) firstAt = i;
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(firstAt, int(GamepadInput::OPTIONS_HOLD / 14.0 + 0.999));
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_BACK, 0);
    // The d-pad and the stick past half its travel are arrows, once a push.
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTY, 32767);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
    const PadCommand pushed = poll(false);
    EXPECT_TRUE(pushed.down && pushed.left && !pushed.up && !pushed.right);
    EXPECT_FALSE(poll(false).down) << "held, it moves once";
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTY, 0);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0);
    poll();

    // The right trigger held: a step at once, then at the key-repeat rate.
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    int steps = 0;
    for (int i = 0; i < 72; ++i) steps += poll().throttle;   // a second at 14 ms a poll
    EXPECT_EQ(steps, 1 + 1 + int((72 * 14.0 - GamepadInput::REPEAT_DELAY) / GamepadInput::REPEAT_EVERY));
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0);
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767);
    EXPECT_EQ(poll().throttle, -1);

    // Pulled out mid-turn: the ship flies straight, and nothing stalls.
    SDL_JoystickClose(stick);
    ASSERT_EQ(SDL_JoystickDetachVirtual(index), 0);
    poll();
    EXPECT_EQ(ship->getYawRate(), 0.0f);
    EXPECT_EQ(ship->getPitchRate(), 0.0f);
    EXPECT_FALSE(pad.poll().connected);
}
