#pragma once

class MyShip;

// Steering by held keys, for a player without a mouse: while a key is held
// its turn rate grows to a limit; released, it returns to zero. Adds to the
// turn rates the pointer set, and takes back only its own part.
class KeySteering {
public:
    static constexpr float LIMIT = 0.25f;         // turn rate, as 250 pointer pixels give
    static constexpr float PER_SECOND = 0.5f;     // how fast it grows and falls back

    enum Direction { UP, DOWN, LEFT, RIGHT };
    void hold(Direction direction, bool held);

    // Moves this part of the turn rates towards where the held keys want it,
    // by `seconds` of play. The player's inversion is already in which key is
    // held: it is made before the command is recorded.
    void update(MyShip& ship, float seconds);
    // Forgets its part (a new ship, or turn rates set to zero), keys still held stay held.
    void forget() { yaw = pitch = 0.0f; }
    void release();   // every key up, its part forgotten

    float yawPart() const { return yaw; }
    float pitchPart() const { return pitch; }

private:
    bool held[4] = {};
    float yaw = 0.0f;     // the part of the ship's turn rates that is ours
    float pitch = 0.0f;
};
