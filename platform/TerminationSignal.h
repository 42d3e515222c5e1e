#pragma once

// Ctrl+C and kill. The handler only records the signal; the frame loop ends
// the process at the start of its next frame, through exit, so game mode is
// left as on every other way out. Exit status 128 + the signal's number.
class TerminationSignal {
public:
    static void install();    // SIGINT and SIGTERM
    static void exitIfReceived();
};
