#pragma once

#include "Action.h"

#include <cstdint>

// One frame's input as the game sees it and a recording keeps it: a record
// of fixed size that the input room makes from keys, pointer and gamepad.
// The game is handed nothing else, so what a recording holds is exactly what
// play was made of, and a frame can never hold more than the file keeps.
struct InputRecord {
    // Presses and releases in a frame, far beyond what hands make in 14 ms.
    static constexpr unsigned MAX_EVENTS = 16;
    // Pointer turns kept apart, in the order they came: the turn rates add
    // them one by one, so an older recording's frame of several moves turns
    // exactly as it did. Past these, moves are summed into the last.
    static constexpr unsigned MAX_TURNS = 4;
    // A pointer move across the widest screen at the top sensitivity turns
    // under 40; a turn or a sum of them is held within this.
    static constexpr float MAX_TURN = 100.0f;

    struct Event {
        uint8_t action = 0;    // an Action's number
        bool pressed = false;  // false: released
    };

    Event events[MAX_EVENTS];
    uint8_t eventCount = 0;
    // The stick, or straightening, says the whole turn: the rates are set to
    // this after the events and before the turns are added.
    bool setsTurn = false;
    float setYaw = 0.0f;
    float setPitch = 0.0f;
    float turns[MAX_TURNS][2] = {};   // yaw and pitch rate added, in order
    uint8_t turnCount = 0;

    // A bound action pressed or released. Once the record is full a press is
    // dropped, but a release takes the place of the oldest press, so no key
    // can stay held because its release found no room.
    void press(Action action);
    void release(Action action);
    // A turn added to the rates (the pointer), or the rates set whole (the
    // stick, straightening), which forgets the turns added before it.
    void addTurn(float yaw, float pitch);
    void setTurn(float yaw, float pitch);

    // How often the action was pressed in the frame.
    unsigned presses(Action action) const;
    bool empty() const { return eventCount == 0 && !setsTurn && turnCount == 0; }
    bool operator==(const InputRecord& other) const;
};
