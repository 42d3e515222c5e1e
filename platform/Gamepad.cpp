#include "Gamepad.h"

#include <SDL2/SDL.h>

namespace {

SDL_GameController* asController(void* p) {
    return static_cast<SDL_GameController*>(p);
}

float axis(SDL_GameController* c, SDL_GameControllerAxis a) {
    const float v = float(SDL_GameControllerGetAxis(c, a)) / 32767.0f;
    return v < -1.0f ? -1.0f : v;
}

}

Gamepad::~Gamepad() {
    close();
}

bool Gamepad::open() {
    if (started) return true;
    // The game handles Ctrl+C and kill itself; with no window of SDL's, it
    // must also not think itself in the background and drop the events.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
    started = true;
    openAny();
    return true;
}

void Gamepad::close() {
    if (controller) SDL_GameControllerClose(asController(controller));
    controller = nullptr;
    if (started) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started = false;
}

void Gamepad::openAny() {
    for (int i = 0; i < SDL_NumJoysticks() && !controller; ++i) {
        if (SDL_IsGameController(i)) controller = SDL_GameControllerOpen(i);
    }
}

Gamepad::State Gamepad::poll() {
    State state;
    if (!started) return state;
    SDL_PumpEvents();   // hot-plug news and the controllers' state
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_CONTROLLERDEVICEADDED, SDL_CONTROLLERDEVICEREMAPPED) > 0) {
        if (event.type == SDL_CONTROLLERDEVICEREMOVED && controller &&
            event.cdevice.which == SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(asController(controller)))) {
            SDL_GameControllerClose(asController(controller));
            controller = nullptr;
        }
    }
    // Joystick events SDL queued alongside are of no use to the game; drop them.
    SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_CONTROLLERSENSORUPDATE);
    if (!controller) openAny();
    SDL_GameController* c = asController(controller);
    if (!c || !SDL_GameControllerGetAttached(c)) return state;
    state.connected = true;
    state.stickX = axis(c, SDL_CONTROLLER_AXIS_LEFTX);
    state.stickY = axis(c, SDL_CONTROLLER_AXIS_LEFTY);
    state.leftTrigger = axis(c, SDL_CONTROLLER_AXIS_TRIGGERLEFT);
    state.rightTrigger = axis(c, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    state.fire = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_A) ||
                 SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    state.start = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_START);
    state.back = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_BACK);
    state.cancel = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_B);
    state.up = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_UP);
    state.down = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    state.left = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    state.right = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    return state;
}
