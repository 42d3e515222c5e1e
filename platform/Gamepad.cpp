#include "Gamepad.h"

#include "SdlLibrary.h"

namespace {

SDL_GameController* asController(void* p) {
    return static_cast<SDL_GameController*>(p);
}

float axis(SDL_GameController* c, SDL_GameControllerAxis a) {
    const float v = float(sdl.SDL_GameControllerGetAxis(c, a)) / 32767.0f;
    return v < -1.0f ? -1.0f : v;
}

}

Gamepad::~Gamepad() {
    close();
}

bool Gamepad::open() {
    if (started) return true;
    if (!SdlLibrary::open()) return false;
    // The game handles Ctrl+C and kill itself; with no window of SDL's, it
    // must also not think itself in the background and drop the events.
    sdl.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl.SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (sdl.SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
    started = true;
    openAny();
    return true;
}

void Gamepad::close() {
    if (controller) sdl.SDL_GameControllerClose(asController(controller));
    controller = nullptr;
    if (started) sdl.SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started = false;
}

void Gamepad::openAny() {
    for (int i = 0; i < sdl.SDL_NumJoysticks() && !controller; ++i) {
        if (sdl.SDL_IsGameController(i)) controller = sdl.SDL_GameControllerOpen(i);
    }
}

Gamepad::State Gamepad::poll() {
    State state;
    if (!started) return state;
    sdl.SDL_PumpEvents();   // hot-plug news and the controllers' state
    SDL_Event event;
    while (sdl.SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_CONTROLLERDEVICEADDED, SDL_CONTROLLERDEVICEREMAPPED) > 0) {
        if (event.type == SDL_CONTROLLERDEVICEREMOVED && controller &&
            event.cdevice.which == sdl.SDL_JoystickInstanceID(sdl.SDL_GameControllerGetJoystick(asController(controller)))) {
            sdl.SDL_GameControllerClose(asController(controller));
            controller = nullptr;
        }
    }
    // Joystick events SDL queued alongside are of no use to the game; drop them.
    sdl.SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_CONTROLLERSENSORUPDATE);
    if (!controller) openAny();
    SDL_GameController* c = asController(controller);
    if (!c || !sdl.SDL_GameControllerGetAttached(c)) return state;
    state.connected = true;
    state.stickX = axis(c, SDL_CONTROLLER_AXIS_LEFTX);
    state.stickY = axis(c, SDL_CONTROLLER_AXIS_LEFTY);
    state.leftTrigger = axis(c, SDL_CONTROLLER_AXIS_TRIGGERLEFT);
    state.rightTrigger = axis(c, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    state.fire = sdl.SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_A) ||
                 sdl.SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    state.start = sdl.SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_START);
    state.back = sdl.SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_BACK);
    state.cancel = sdl.SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_B);
    state.up = sdl.SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_UP);
    state.down = sdl.SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    state.left = sdl.SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    state.right = sdl.SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    return state;
}
