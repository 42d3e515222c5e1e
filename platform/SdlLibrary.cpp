#include "SdlLibrary.h"

#include "ErrorReport.h"

#include <dlfcn.h>

#include <string>

SdlCalls sdl;

bool SdlLibrary::open() {
    static int state = 0;   // 0 not tried, 1 open, -1 failed
    if (state != 0) return state > 0;
    state = -1;
    // SDL2_mixer brings SDL2 in; both stay to the end of the process. Kept
    // to themselves, their names never stand between the game and a later library.
    void* library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = dlerror();
        reportWarning(std::string("no sound and no game controller: ") + (why ? why : "cannot open SDL2_mixer"));
        return false;
    }
    SdlCalls calls;
#define SPACEFIGHT_SDL_FIND(name)                                                                 \
    calls.name = reinterpret_cast<decltype(calls.name)>(dlsym(library, #name));                  \
    if (!calls.name) {                                                                            \
        reportWarning("no sound and no game controller: SDL2_mixer has no " #name);               \
        return false;                                                                             \
    }
    SPACEFIGHT_SDL_CALLS(SPACEFIGHT_SDL_FIND)
#undef SPACEFIGHT_SDL_FIND
    sdl = calls;
    state = 1;
    return true;
}
