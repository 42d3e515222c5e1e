#include "FrameRate.h"

#include <cstdio>

void FrameRate::skip(float now) {
    if (started) lastTime = now;
}

const std::string& FrameRate::update(float now) {
    if (!started) {
        lastTime = now;
        started = true;
    }
    samples[sampleIndex] = now - lastTime;
    sampleIndex = (sampleIndex + 1) % 5;
    meanSample = (samples[0] + samples[1] + samples[2] + samples[3] + samples[4]) / 5.0f;
    lastTime = now;
    framesCounted += 1.0f;
    if (now - lastFpsTime > 1.0f) {
        lastFpsTime = now;
        char text[32];
        std::snprintf(text, sizeof text, "fps: %d", static_cast<int>(framesCounted));
        fpsText = text;
        framesCounted = 0.0f;
    }
    return fpsText;
}
