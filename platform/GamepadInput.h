#pragma once

#include "platform/Gamepad.h"

// What a controller asks of the game in one poll; the shell routes it as it
// would the same keys.
struct PadCommand {
    bool fire = false;     // A or the right shoulder pressed
    bool start = false;    // pause, or play again on the game-over screen
    bool back = false;     // the help
    bool options = false;  // Back held for OPTIONS_HOLD: the options
    bool cancel = false;   // B pressed: Escape on a screen over play
    // The d-pad, or the stick pushed past half its travel: arrows on the options.
    bool up = false, down = false, left = false, right = false;
    int throttle = 0;      // throttle steps: up when positive, down when negative
    bool setsTurn = false; // the turn rates become yaw and pitch (the stick moved, or the controller went)
    float yaw = 0.0f;
    float pitch = 0.0f;
};

// A controller as the game reads it: the left stick sets the turn rates as
// the pointer does, proportionally past a dead zone; the triggers step the
// throttle at the key-repeat rate while held; buttons act when pressed.
class GamepadInput {
public:
    static constexpr float LIMIT = 0.25f;            // turn rate at full deflection, as the arrow keys reach
    static constexpr double REPEAT_DELAY = 500.0;    // ms before a held trigger repeats
    static constexpr double REPEAT_EVERY = 40.0;     // ms between repeated steps
    static constexpr double OPTIONS_HOLD = 1000.0;   // ms Back is held for the options

    // `playing` false while paused or over: then only the buttons count.
    // `now` in milliseconds, `deadZone` a share of the stick's travel (0..1).
    PadCommand update(const Gamepad::State& state, bool playing, double now, float deadZone, bool invertPitch);

private:
    Gamepad::State last;
    float stickYaw = 0.0f, stickPitch = 0.0f;   // the turn rates the stick asks for
    double triggerSince[2] = {-1.0, -1.0};      // ms the trigger was pressed at; below 0 when released
    int triggerSteps[2] = {0, 0};               // steps taken since
    double backSince = -1.0;                    // ms Back was pressed at; below 0 when released or used
};
