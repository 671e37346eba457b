#pragma once

#include <sys/types.h>

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

// The program under test, started as a user would start it; ended on destruction.
class GaugeProcess {
public:
    // The Linux program, or any other command line (the Windows one under Wine).
    // Its standard error goes to errorFile when one is named.
    explicit GaugeProcess(std::map<std::string, std::string> extraEnvironment = {},
                          std::vector<std::string> command = {ZELTAVOR_BINARY}, const std::string& errorFile = "");
    ~GaugeProcess();
    GaugeProcess(const GaugeProcess&) = delete;
    GaugeProcess& operator=(const GaugeProcess&) = delete;

    pid_t pid() const { return pid_; }
    // Waits for the process to end by itself; its exit status, or nothing on timeout.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);

private:
    pid_t pid_ = -1;
    bool exited_ = false;
};

// A client connection to the test's X server ($DISPLAY).
class XSession {
public:
    explicit XSession(const char* displayName = nullptr);  // $DISPLAY by default
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    Display* display() const { return display_; }

    // The managed top-level window of a process, once the window manager lists
    // it; `other` names one to pass over (to find a dialog beside the main window).
    std::optional<XWindow> WaitForWindow(pid_t pid, std::chrono::milliseconds timeout, XWindow other = 0) const;
    std::vector<std::string> AtomListProperty(XWindow window, const char* name) const;
    std::vector<long> CardinalListProperty(XWindow window, const char* name) const;
    std::string Utf8Property(XWindow window, const char* name) const;
    bool IsMapped(XWindow window) const;
    Rect RootGeometry(XWindow window) const;  // position on the screen and size
    Screenshot Capture(const Rect& area) const;  // what the screen shows there

private:
    Display* display_ = nullptr;
};

// Polls every 20 ms until done() holds or the time is up; true if it held.
template <typename Predicate>
bool PollUntil(std::chrono::milliseconds timeout, Predicate done) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return done();
}

// Runs a shell command (xdotool and the like); true when it exits 0.
bool RunCommand(const std::string& command);

}  // namespace zeltavor::e2e
