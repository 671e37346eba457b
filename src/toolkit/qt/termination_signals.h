#pragma once

#include <atomic>
#include <thread>

class QWidget;

namespace zeltavor::qt {

// SIGTERM, SIGHUP and SIGINT: a logout, a kill, a closed terminal.
// Blocks them in this thread and in every thread started after it, so that
// only the waiter below takes them: to be called before any other thread exists.
void BlockTerminationSignals();

// Closes the window when one of them arrives, like the window manager would,
// so the options are saved on the way out. A thread sleeps until one comes,
// so the event loop has nothing more to watch. Ends before the window does.
class CloseOnTerminationSignals {
public:
    explicit CloseOnTerminationSignals(QWidget& window);
    ~CloseOnTerminationSignals();
    CloseOnTerminationSignals(const CloseOnTerminationSignals&) = delete;
    CloseOnTerminationSignals& operator=(const CloseOnTerminationSignals&) = delete;

private:
    std::atomic<bool> ending_ = false;
    std::thread waiter_;
};

}  // namespace zeltavor::qt
