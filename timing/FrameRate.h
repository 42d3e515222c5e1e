#pragma once

#include <string>

// Frame timing from a clock read in seconds: the mean duration of the last five
// frames (which scales all motion) and a frames-per-second line renewed about
// once a second.
class FrameRate {
public:
    // Records a frame that ended at `now` (seconds) and returns the fps line.
    const std::string& update(float now);

    // The time up to `now` (seconds) was not play (a pause, the game-over
    // screen, a stall): the next frame is measured from now.
    void skip(float now);
    // Seconds since the last frame was recorded; 0 before the first.
    float sinceLastFrame(float now) const { return started ? now - lastTime : 0.0f; }

    float frameTime() const { return meanSample; }   // seconds; 0 before two frames
    const std::string& text() const { return fpsText; }

    float samples[5] = {};   // seconds; slots not yet written count as 0

private:
    int sampleIndex = 0;
    bool started = false;
    float lastTime = 0.0f;       // seconds
    float framesCounted = 0.0f;
    float lastFpsTime = 0.0f;    // seconds
    float meanSample = 0.0f;
    std::string fpsText;
};
