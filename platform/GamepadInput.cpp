#include "GamepadInput.h"

#include <algorithm>
#include <cmath>

namespace {

// How many steps a trigger held since `since` has earned by `now`.
int stepsEarned(double since, double now) {
    const double held = now - since;
    if (held < GamepadInput::REPEAT_DELAY) return 1;
    return 2 + int((held - GamepadInput::REPEAT_DELAY) / GamepadInput::REPEAT_EVERY);
}

}

PadCommand GamepadInput::update(const Gamepad::State& state, bool playing, double now, float deadZone,
                                bool invertPitch) {
    PadCommand command;
    if (!state.connected) {
        // Pulled out: the ship flies straight on, not in the last turn it was given.
        command.setsTurn = last.connected;
        *this = GamepadInput();
        return command;
    }
    command.fire = state.fire && !last.fire;
    command.start = state.start && !last.start;
    command.back = state.back && !last.back;
    command.cancel = state.cancel && !last.cancel;
    // Back opens the help at once; held on, the options over it.
    if (command.back) backSince = now;
    if (!state.back) backSince = -1.0;
    if (backSince >= 0.0 && now - backSince >= OPTIONS_HOLD) {
        command.options = true;
        backSince = -1.0;
    }
    // The stick counts as an arrow once pushed past half its travel, once a push.
    const float half = 0.5f;
    command.up = (state.up && !last.up) || (state.stickY < -half && last.stickY >= -half);
    command.down = (state.down && !last.down) || (state.stickY > half && last.stickY <= half);
    command.left = (state.left && !last.left) || (state.stickX < -half && last.stickX >= -half);
    command.right = (state.right && !last.right) || (state.stickX > half && last.stickX <= half);

    // The stick: a radial dead zone, then the rest of the travel scaled to the limit.
    float yaw = 0.0f, pitch = 0.0f;
    const float travel = std::hypot(state.stickX, state.stickY);
    if (travel > deadZone && travel > 0.0f) {
        const float share = std::min(1.0f, (travel - deadZone) / std::max(1.0f - deadZone, 1e-3f));
        yaw = LIMIT * share * state.stickX / travel;
        pitch = LIMIT * share * state.stickY / travel * (invertPitch ? -1.0f : 1.0f);
    }
    // The last device moved steers: only a stick that moved sets the rates,
    // so the pointer's turn stands while the stick is left alone.
    if (!playing) {
        // Nothing flies: what the stick and triggers do now starts afresh later.
        triggerSince[0] = triggerSince[1] = -1.0;
        last = state;
        return command;
    }
    if (std::fabs(yaw - stickYaw) > 1e-3f || std::fabs(pitch - stickPitch) > 1e-3f) {
        command.setsTurn = true;
        command.yaw = yaw;
        command.pitch = pitch;
    }
    stickYaw = yaw;
    stickPitch = pitch;

    const float triggers[2] = {state.rightTrigger, state.leftTrigger};   // up, down
    for (int t = 0; t < 2; ++t) {
        if (triggers[t] < 0.5f) {
            triggerSince[t] = -1.0;
            continue;
        }
        if (triggerSince[t] < 0.0) {
            triggerSince[t] = now;
            triggerSteps[t] = 0;
        }
        const int earned = stepsEarned(triggerSince[t], now);
        command.throttle += (t == 0 ? 1 : -1) * (earned - triggerSteps[t]);
        triggerSteps[t] = earned;
    }
    last = state;
    return command;
}
