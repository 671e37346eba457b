#include "termination_signals.h"

#include <pthread.h>
#include <signal.h>

#include <system_error>
#include <utility>

namespace zeltavor::linux_platform {

namespace {

sigset_t TerminationSignalSet() {
    sigset_t awaited;
    sigemptyset(&awaited);
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaddset(&awaited, signal);
    return awaited;
}

}  // namespace

void BlockTerminationSignals() {
    const sigset_t awaited = TerminationSignalSet();
    ::pthread_sigmask(SIG_BLOCK, &awaited, nullptr);
}

CloseOnTerminationSignals::CloseOnTerminationSignals(std::function<void()> close) {
    try {
        waiter_ = std::thread([this, close = std::move(close)] {
            const sigset_t awaited = TerminationSignalSet();
            int signal = 0;
            while (::sigwait(&awaited, &signal) == 0 && !ending_) close();
        });
    } catch (const std::system_error&) {
        // Without a waiter the signals must at least end the program again.
        const sigset_t awaited = TerminationSignalSet();
        ::pthread_sigmask(SIG_UNBLOCK, &awaited, nullptr);
    }
}

CloseOnTerminationSignals::~CloseOnTerminationSignals() {
    if (!waiter_.joinable()) return;
    ending_ = true;
    ::pthread_kill(waiter_.native_handle(), SIGTERM);  // blocked everywhere: only the waiter takes it
    waiter_.join();
}

}  // namespace zeltavor::linux_platform
