#pragma once

#include <string>
#include <vector>

// Frame times of the real program, swap to swap, and its start-up from the
// process's start as the kernel counts it to the first picture shown (the
// start screen's, or the first frame of play); written as JSON at exit with
// --frame-stats.
class FrameStats {
public:
    // A frame of play was shown now.
    void shown();
    // A standing screen's picture was shown now: it counts for the start-up,
    // it is no frame of play.
    void pictureShown();
    // Play begins or goes on from a standing screen now: the next frame's
    // interval runs from here, so the first frame of play is measured from the
    // key that began it, not from the picture that stood before.
    void playBegins();
    // {"frames": N, "median_ms": ..., "p90_ms": ..., "p99_ms": ..., "max_ms": ..., "startup_ms": ...,
    //  "first_play_ms": ..., "intervals_ms": [every interval, in the order shown]}: the summary on the
    // first line. first_play_ms is the first frame after play began from a standing screen, -1 without one.
    std::string json() const;
    // Through the one writer; false with `why` saying the reason.
    bool write(const std::string& path, std::string& why) const;

    // Milliseconds from the process's start to now, on the kernel's boot-time clock; negative if unknown.
    static double sinceProcessStart();

private:
    double now();   // ms since the process started; the first call reads the kernel's clock

    std::vector<double> intervals;   // ms between shown frames
    double lastShown = -1.0;         // ms since the process started
    double startup = -1.0;           // ms: the first picture shown
    double firstPlay = -1.0;         // ms: the first frame of play after a standing screen
    bool playBegan = false;          // play began from a standing screen and no frame is shown since
    double offset = 0.0;             // ms from the steady clock's reading to the process's age
};
