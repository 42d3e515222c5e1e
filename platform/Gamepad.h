#pragma once

// Game controllers through SDL2's GameController API: any controller SDL knows
// works without setup, plugged in before or during play. Where SDL offers no
// game-controller support, or none is plugged in, it reads as disconnected
// and says nothing.
class Gamepad {
public:
    struct State {
        bool connected = false;
        float stickX = 0.0f;         // left stick: -1 (left) .. 1 (right)
        float stickY = 0.0f;         // -1 (up) .. 1 (down)
        float leftTrigger = 0.0f;    // 0 .. 1
        float rightTrigger = 0.0f;
        bool fire = false;           // A or the right shoulder button
        bool start = false;
        bool back = false;
        bool cancel = false;         // B
        bool up = false, down = false, left = false, right = false;   // the d-pad
    };

    Gamepad() = default;
    ~Gamepad();
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    // Starts SDL's game-controller subsystem and opens what is plugged in.
    // False (silently) where it cannot start; poll then reads disconnected.
    bool open();
    void close();

    // Takes SDL's hot-plug news (a controller plugged in is opened, one
    // pulled out closed) and reads the first controller open.
    State poll();

private:
    void openAny();

    bool started = false;
    void* controller = nullptr;   // SDL_GameController*, held opaque so the header needs no SDL
};
