#include "FramePacer.h"

double FramePacer::afterFrame(double now) {
    if (!enabled) return 0.0;
    if (nextStart < 0.0 || now >= nextStart) {
        nextStart = now + period;
        return 0.0;
    }
    const double wait = nextStart - now;
    if (wait > period) {
        // The clock went back: start the schedule again rather than sleep it off.
        nextStart = now + period;
        return period;
    }
    nextStart += period;
    return wait;
}
