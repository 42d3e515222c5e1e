#include "ExitStatus.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool failed = false;

// on_exit rather than atexit: the status exit was handed is known here, so
// only a success is turned into a failure.
void check(int status, void*) {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "spacefight: standard output: %s\n", std::strerror(errno != 0 ? errno : EIO));
        failed = true;
    }
    if (failed && status == 0) _exit(ExitStatus::OUTPUT_FAILED);
}

}

void ExitStatus::checkOutputAtExit() {
    on_exit(check, nullptr);
}

void ExitStatus::outputFailed() {
    failed = true;
}
