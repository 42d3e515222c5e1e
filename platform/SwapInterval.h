#pragma once

// The driver's swap interval: how many display refreshes each buffer swap
// waits for. Play is paced to 70 frames a second by sleeping; on a display
// that refreshes at most that often, waiting for each refresh as well keeps
// frames in step with the display (no tearing) without making them faster.
// On a faster display the swaps do not wait, and the sleep alone paces: a
// swap waiting for a 144 Hz refresh after a 70 Hz sleep would alternate one
// and two refreshes per frame.
class SwapInterval {
public:
    // The interval for a display refreshing `refreshHz` times a second under
    // a cap of `capHz` frames a second (0: none): 1 where the refresh rate is
    // within the cap, 0 (no waiting) where it is above it or there is no cap,
    // and -1 (leave the driver's choice) where the refresh rate is unknown.
    static int choose(double refreshHz, double capHz);

    // The display's refresh rate: game mode's, else GLX_OML_sync_control's;
    // 0 if neither says. Needs a current context.
    static double refreshRate();

    // Sets the interval through GLX_EXT_swap_control, GLX_MESA_swap_control
    // or (for intervals of 1 or more) GLX_SGI_swap_control. False where the
    // driver offers none of them. Needs a current context.
    static bool set(int interval);

    // Chooses and sets the interval for this display and cap; returns the
    // interval set, or -1 where none was.
    static int holdTo(double capHz);
};
