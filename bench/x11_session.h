#pragma once

#include <sys/types.h>

#include <QProcess>
#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace zeltavor::e2e {

using XWindow = unsigned long;

// The program under test, started as a user would start it (the Linux
// program, or any other command line); killed on destruction if still running.
class GaugeProcess {
public:
    explicit GaugeProcess(const std::map<std::string, std::string>& extraEnvironment = {},
                          const std::vector<std::string>& command = {ZELTAVOR_BINARY});
    ~GaugeProcess();
    pid_t pid() const { return static_cast<pid_t>(process_.processId()); }
    // Its exit status once it ended by itself (128 for a crash), or nothing on timeout.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);

private:
    QProcess process_;
};

// A mapped top-level window of the process other than `other` (to find a dialog beside the main window).
std::optional<XWindow> WaitForWindow(pid_t pid, std::chrono::milliseconds timeout, XWindow other = 0);

// Polls every 20 ms until done() holds or the time is up; true if it held.
template <typename Predicate>
bool PollUntil(std::chrono::milliseconds timeout, Predicate done) {
    for (const auto deadline = std::chrono::steady_clock::now() + timeout; std::chrono::steady_clock::now() < deadline;) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return done();
}

// Runs a shell command (xdotool and the like); true when it exits 0.
bool RunCommand(const std::string& command);

}  // namespace zeltavor::e2e
