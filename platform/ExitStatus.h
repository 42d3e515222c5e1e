#pragma once

#include <string>

// Output the player asked for (the usage, the version, the summary line, the
// frame statistics) that could not be written is no success: it is said,
// with the file and the reason, and a program that would have ended with
// status 0 ends with OUTPUT_FAILED instead. Any other status stays as it was.
class ExitStatus {
public:
    static constexpr int OUTPUT_FAILED = 4;   // as for a recording that could not be written

    // From now on, the very last thing at exit is flushing standard output
    // and checking it. Called first in main, so it runs after every other
    // exit handler, whatever they print.
    static void checkOutputAtExit();
    // An output that failed, already reported by its writer.
    static void outputFailed();
};
