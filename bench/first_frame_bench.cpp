// Time from starting the gauge to its first painted frame: the dial on the
// screen where the window opens. Run through tests/e2e/x_session.sh.
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "x11_session.h"

// Last: Xlib's macros clash with Qt's headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

using namespace zeltavor::e2e;
using Clock = std::chrono::steady_clock;

namespace {
// The pixels where the window opens, straight from the server: a few
// milliseconds, where a screenshot tool takes a hundred.
std::vector<unsigned long> Capture(Display* display) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), 67, 67, 80, 80, AllPlanes, ZPixmap);
    std::vector<unsigned long> pixels;
    for (int y = 0; image != nullptr && y < 80; ++y)
        for (int x = 0; x < 80; ++x) pixels.push_back(XGetPixel(image, x, y));
    if (image != nullptr) XDestroyImage(image);
    return pixels;
}
}  // namespace

// The gauge and a bare Qt window of its size (bare_window.cpp), started in
// turn, so that both meet the machine in the same state.
// A program given on the command line (another build) is measured in the gauge's place.
int main(int argc, char** argv) {
    Display* x = XOpenDisplay(nullptr);
    if (x == nullptr) return std::puts("no X server: run through tests/e2e/x_session.sh"), 1;
    const std::vector<std::string> programs[] = {{argc > 1 ? argv[1] : ZELTAVOR_BINARY}, {BARE_WINDOW_BINARY}};
    std::vector<double> milliseconds[2];
    for (int run = 0; run < 40; ++run) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the last run's window gone
        QTemporaryDir config;
        const auto desktop = Capture(x);
        const auto start = Clock::now();
        GaugeProcess gauge({{"XDG_CONFIG_HOME", config.path().toStdString()}}, programs[run % 2]);
        const auto painted = [&] {
            const auto now = Capture(x);
            int changed = 0;
            for (std::size_t i = 0; i < now.size() && i < desktop.size(); ++i) changed += now[i] != desktop[i];
            return changed > 2000;  // most of the dial is there
        };
        while (!painted() && Clock::now() - start < std::chrono::seconds(10)) {
        }
        milliseconds[run % 2].push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    for (auto& times : milliseconds) std::sort(times.begin(), times.end());
    const auto median = [](const std::vector<double>& times) { return times[times.size() / 2]; };
    for (int i = 0; i < 2; ++i)
        std::printf("first painted frame after start, %s: median %.0f ms (fastest %.0f, slowest %.0f, %zu runs)\n",
                    i == 0 ? "the gauge" : "a bare Qt window", median(milliseconds[i]), milliseconds[i].front(),
                    milliseconds[i].back(), milliseconds[i].size());
    std::printf("the gauge takes %.2f times as long\n", median(milliseconds[0]) / median(milliseconds[1]));
    return 0;
}
