#include "InputRecord.h"

#include <algorithm>

void InputRecord::press(Action action) {
    if (eventCount == MAX_EVENTS) return;
    events[eventCount++] = {uint8_t(action), true};
    // Straightening sets the rates to zero where it stands among the turns.
    if (action == Action::Straighten) setTurn(0.0f, 0.0f);
}

void InputRecord::release(Action action) {
    if (eventCount == MAX_EVENTS) {
        Event* const end = events + eventCount;
        Event* const oldest = std::find_if(events, end, [](const Event& e) { return e.pressed; });
        if (oldest == end) return;
        std::copy(oldest + 1, end, oldest);
        --eventCount;
    }
    events[eventCount++] = {uint8_t(action), false};
}

namespace {

float held(float turn) {
    return std::clamp(turn, -InputRecord::MAX_TURN, InputRecord::MAX_TURN);
}

}

void InputRecord::addTurn(float yaw, float pitch) {
    if (turnCount == MAX_TURNS) {
        turns[MAX_TURNS - 1][0] = held(turns[MAX_TURNS - 1][0] + yaw);
        turns[MAX_TURNS - 1][1] = held(turns[MAX_TURNS - 1][1] + pitch);
        return;
    }
    turns[turnCount][0] = held(yaw);
    turns[turnCount][1] = held(pitch);
    ++turnCount;
}

void InputRecord::setTurn(float yaw, float pitch) {
    setsTurn = true;
    setYaw = held(yaw);
    setPitch = held(pitch);
    turnCount = 0;
}

unsigned InputRecord::presses(Action action) const {
    return unsigned(std::count_if(events, events + eventCount,
                                  [&](const Event& e) { return e.pressed && e.action == uint8_t(action); }));
}

bool InputRecord::operator==(const InputRecord& o) const {
    if (eventCount != o.eventCount || setsTurn != o.setsTurn || turnCount != o.turnCount) return false;
    for (unsigned i = 0; i < eventCount; ++i)
        if (events[i].action != o.events[i].action || events[i].pressed != o.events[i].pressed) return false;
    if (setsTurn && (setYaw != o.setYaw || setPitch != o.setPitch)) return false;
    for (unsigned i = 0; i < turnCount; ++i)
        if (turns[i][0] != o.turns[i][0] || turns[i][1] != o.turns[i][1]) return false;
    return true;
}
