#pragma once

#include <sys/types.h>

#include <QProcess>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

typedef struct _XDisplay Display;
typedef unsigned long XWindow;

namespace zeltavor::e2e {

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Rgb8 {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

struct Screenshot {
    int width = 0, height = 0;
    std::vector<Rgb8> pixels;
    const Rgb8& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The program under test, started as a user would start it (the Linux
// program, or any other command line); killed on destruction if still running.
class GaugeProcess {
public:
    explicit GaugeProcess(const std::map<std::string, std::string>& extraEnvironment = {},
                          const std::vector<std::string>& command = {ZELTAVOR_BINARY}, const std::string& errorFile = "");
    ~GaugeProcess();
    pid_t pid() const { return static_cast<pid_t>(process_.processId()); }
    // Its exit status once it ended by itself (128 for a crash), or nothing on timeout.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);

private:
    QProcess process_;
};

// A client connection to the test's X server ($DISPLAY).
class XSession {
public:
    XSession();
    ~XSession();
    Display* display() const { return display_; }
    // A mapped top-level window of the process other than `other` (to find a dialog beside the main window).
    std::optional<XWindow> WaitForWindow(pid_t pid, std::chrono::milliseconds timeout, XWindow other = 0) const;
    // What xprop shows of a property, after the "=": "\"Zeltavor\"", "_NET_WM_STATE_ABOVE", "0, 0, 0, 0".
    std::string Property(XWindow window, const char* name) const;
    bool IsMapped(XWindow window) const;
    Rect RootGeometry(XWindow window) const;  // position on the screen and size
    Screenshot Capture(const Rect& area) const;  // what the screen shows there

private:
    Display* display_ = nullptr;
};

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
