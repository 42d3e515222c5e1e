#include "TerminationSignal.h"

#include <unistd.h>

#include <csignal>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t pending = 0;
volatile std::sig_atomic_t loading = 0;

extern "C" void recordSignal(int signal) {
    // A player who asks twice while nothing is drawn yet wants out now; only
    // async-signal-safe calls here.
    if (loading && pending != 0) _exit(128 + signal);
    pending = signal;
}

}

void TerminationSignal::install() {
    loading = 1;
    struct sigaction action = {};
    action.sa_handler = recordSignal;
    // Calls the signal interrupts go on, as with signal(): the toolkit's and
    // the sound thread's reads and waits need not know of it.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaction(signal, &action, nullptr);
}

void TerminationSignal::loaded() {
    loading = 0;
}

int TerminationSignal::received() {
    return pending;
}
