#include "TerminationSignal.h"

#include <csignal>
#include <cstdlib>

namespace {

volatile std::sig_atomic_t pending = 0;

extern "C" void recordSignal(int signal) {
    pending = signal;
}

}

void TerminationSignal::install() {
    std::signal(SIGINT, recordSignal);
    std::signal(SIGTERM, recordSignal);
}

void TerminationSignal::exitIfReceived() {
    if (pending != 0) std::exit(128 + pending);
}
