#pragma once

// Ctrl+C, kill, a closed terminal (SIGHUP) and SIGQUIT. The handler only
// records the signal; the screens end the process at the next frame or idle
// call, through exit, so game mode is left as on every other way out. Exit
// status 128 + the signal's number.
//
// Loading takes about a second and runs no frame: a signal then is honoured
// as soon as loading ends, and a second one ends the process at once.
class TerminationSignal {
public:
    static void install();    // SIGINT, SIGTERM, SIGHUP and SIGQUIT; the process is loading
    static void loaded();     // from now on the frame loop honours signals
    static int received();    // the signal's number, 0 for none
};
