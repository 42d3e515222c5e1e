#pragma once

#include <string>
#include <vector>

// Frame times of the real program, swap to swap, and its start-up from the
// process's start as the kernel counts it to the first frame shown; written
// as JSON at exit with --frame-stats.
class FrameStats {
public:
    // A frame was shown now.
    void shown();
    // {"frames": N, "median_ms": ..., "p90_ms": ..., "p99_ms": ..., "max_ms": ..., "startup_ms": ...,
    //  "intervals_ms": [every interval, in the order shown]}: the summary on the first line.
    std::string json() const;
    // Through the one writer; false with `why` saying the reason.
    bool write(const std::string& path, std::string& why) const;

    // Milliseconds from the process's start to now, on the kernel's boot-time clock; negative if unknown.
    static double sinceProcessStart();

private:
    std::vector<double> intervals;   // ms between shown frames
    double lastShown = -1.0;         // ms since the process started
    double startup = -1.0;           // ms: the first frame shown
    double offset = 0.0;             // ms from the steady clock's reading to the process's age
};
