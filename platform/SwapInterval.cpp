#include "SwapInterval.h"

#include <GL/freeglut.h>
#include <GL/glx.h>

#include <cstdint>
#include <cstring>

namespace {

// A "70 Hz" mode may report 70.08 or so.
constexpr double TOLERANCE_HZ = 0.5;

bool offered(Display* display, const char* name) {
    const char* list = glXQueryExtensionsString(display, DefaultScreen(display));
    if (!list) return false;
    const size_t length = std::strlen(name);
    for (const char* p = std::strstr(list, name); p; p = std::strstr(p + length, name)) {
        // A whole word, not the start of a longer name.
        if ((p == list || p[-1] == ' ') && (p[length] == ' ' || p[length] == '\0')) return true;
    }
    return false;
}

template <typename Call>
Call find(const char* name) {
    return reinterpret_cast<Call>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

}

int SwapInterval::choose(double refreshHz, double capHz) {
    if (capHz <= 0.0) return 0;
    if (!(refreshHz > 0.0)) return -1;
    return refreshHz <= capHz + TOLERANCE_HZ ? 1 : 0;
}

double SwapInterval::refreshRate() {
    if (glutGameModeGet(GLUT_GAME_MODE_ACTIVE)) {
        const int rate = glutGameModeGet(GLUT_GAME_MODE_REFRESH_RATE);
        if (rate > 0) return rate;
    }
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable || !offered(display, "GLX_OML_sync_control")) return 0.0;
    using Rate = Bool (*)(Display*, GLXDrawable, int32_t*, int32_t*);
    const Rate mscRate = find<Rate>("glXGetMscRateOML");
    int32_t numerator = 0, denominator = 0;
    if (!mscRate || !mscRate(display, drawable, &numerator, &denominator) || numerator <= 0 || denominator <= 0)
        return 0.0;
    return double(numerator) / double(denominator);
}

bool SwapInterval::set(int interval) {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable || interval < 0) return false;
    if (offered(display, "GLX_EXT_swap_control")) {
        using Ext = void (*)(Display*, GLXDrawable, int);
        if (const Ext call = find<Ext>("glXSwapIntervalEXT")) {
            call(display, drawable, interval);
            return true;
        }
    }
    if (offered(display, "GLX_MESA_swap_control")) {
        using Mesa = int (*)(unsigned int);
        if (const Mesa call = find<Mesa>("glXSwapIntervalMESA")) return call(static_cast<unsigned>(interval)) == 0;
    }
    // The oldest of the three refuses 0.
    if (interval >= 1 && offered(display, "GLX_SGI_swap_control")) {
        using Sgi = int (*)(int);
        if (const Sgi call = find<Sgi>("glXSwapIntervalSGI")) return call(interval) == 0;
    }
    return false;
}

int SwapInterval::holdTo(double capHz) {
    const int interval = choose(capHz > 0.0 ? refreshRate() : 0.0, capHz);
    if (interval < 0 || !set(interval)) return -1;
    return interval;
}
