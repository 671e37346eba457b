#pragma once

#include <atomic>
#include <functional>
#include <thread>

namespace zeltavor::linux_platform {

// SIGTERM, SIGHUP and SIGINT: a logout, a kill, a closed terminal.
// Blocks them in this thread and in every thread started after it, so that
// only the waiter below takes them: to be called before any other thread exists.
void BlockTerminationSignals();

// Calls `close` on a thread of its own when one of them arrives, so that the
// window can be closed as the window manager would, and the options saved on
// the way out. The thread sleeps until one comes, so the event loop has
// nothing more to watch. Ends before the window does.
class CloseOnTerminationSignals {
public:
    explicit CloseOnTerminationSignals(std::function<void()> close);
    ~CloseOnTerminationSignals();
    CloseOnTerminationSignals(const CloseOnTerminationSignals&) = delete;
    CloseOnTerminationSignals& operator=(const CloseOnTerminationSignals&) = delete;

private:
    std::atomic<bool> ending_ = false;
    std::thread waiter_;
};

}  // namespace zeltavor::linux_platform
