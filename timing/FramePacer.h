#pragma once

// Holds play to at most a given number of frames a second. Some motion
// advances a fixed step per frame (the rocks' tumble, the enemy's speed
// changes, the star field's renewal), so a renderer that draws a thousand
// frames a second would play fifteen times too fast, with a core flat out.
// The pacer says how long to wait after each frame; the clock is the caller's.
class FramePacer {
public:
    explicit FramePacer(double framesPerSecond) : period(1000.0 / framesPerSecond) {}

    // The frame just shown ended at `now` (milliseconds); returns how long to
    // wait (milliseconds, 0 for none) before the next one begins. A frame that
    // ran late restarts the schedule, so no burst of frames follows a stall;
    // whatever the clock does, no wait is longer than one frame period.
    double afterFrame(double now);

    void setEnabled(bool on) { enabled = on; }
    bool isEnabled() const { return enabled; }
    double framesPerSecond() const { return 1000.0 / period; }

private:
    double period;             // milliseconds per frame
    double nextStart = -1.0;   // milliseconds; below 0 before the first frame
    bool enabled = true;
};
