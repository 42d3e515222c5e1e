#pragma once

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

// SDL2 and SDL2_mixer, opened by name when the sound or the game controller
// is first wanted rather than linked: with their codecs and audio servers
// they are some sixty libraries, and a process that links them starts later
// and finds every later library (the GL driver's among them) more slowly.
// The start screen's first picture is shown before either is wanted.
#define SPACEFIGHT_SDL_CALLS(CALL)                                                                       \
    CALL(SDL_SetHint) CALL(SDL_InitSubSystem) CALL(SDL_QuitSubSystem) CALL(SDL_RWFromConstMem)           \
    CALL(SDL_NumJoysticks) CALL(SDL_IsGameController) CALL(SDL_GameControllerOpen)                       \
    CALL(SDL_GameControllerClose) CALL(SDL_GameControllerGetAttached) CALL(SDL_GameControllerGetAxis)    \
    CALL(SDL_GameControllerGetButton) CALL(SDL_GameControllerGetJoystick) CALL(SDL_JoystickInstanceID)   \
    CALL(SDL_PumpEvents) CALL(SDL_PeepEvents) CALL(SDL_FlushEvents)                                      \
    CALL(Mix_OpenAudio) CALL(Mix_CloseAudio) CALL(Mix_Init) CALL(Mix_Quit) CALL(Mix_AllocateChannels)    \
    CALL(Mix_LoadWAV_RW) CALL(Mix_FreeChunk) CALL(Mix_GetChunk) CALL(Mix_Playing) CALL(Mix_PlayChannel)  \
    CALL(Mix_HaltChannel) CALL(Mix_Volume) CALL(Mix_LoadMUS_RW) CALL(Mix_FreeMusic) CALL(Mix_PlayMusic)  \
    CALL(Mix_HaltMusic) CALL(Mix_PauseMusic) CALL(Mix_ResumeMusic) CALL(Mix_VolumeMusic)

struct SdlCalls {
#define SPACEFIGHT_SDL_POINTER(name) decltype(&::name) name = nullptr;
    SPACEFIGHT_SDL_CALLS(SPACEFIGHT_SDL_POINTER)
#undef SPACEFIGHT_SDL_POINTER
};

// The calls, each null until open() has succeeded.
extern SdlCalls sdl;

namespace SdlLibrary {
// Opens the libraries once; false, with a warning the first time, when
// they or any call is missing: the game then has no sound and no controller.
bool open();
}
