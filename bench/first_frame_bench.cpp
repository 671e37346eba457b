// Time from starting the gauge to its first painted frame: the dial on the
// screen where the window opens. Run through tests/e2e/x_session.sh.
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "x11_session.h"

using namespace zeltavor::e2e;
using Clock = std::chrono::steady_clock;

int main() {
    XSession x;
    const Rect place{67, 67, 80, 80};
    std::vector<double> milliseconds;
    for (int run = 0; run < 7; ++run) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the last run's window gone
        QTemporaryDir config;
        const Screenshot desktop = x.Capture(place);
        const auto start = Clock::now();
        GaugeProcess gauge({{"XDG_CONFIG_HOME", config.path().toStdString()}});
        const auto painted = [&] {
            const Screenshot now = x.Capture(place);
            int changed = 0;
            for (std::size_t i = 0; i < now.pixels.size(); ++i)
                changed += now.pixels[i].r != desktop.pixels[i].r || now.pixels[i].g != desktop.pixels[i].g;
            return changed > 2000;  // most of the dial is there
        };
        while (!painted() && Clock::now() - start < std::chrono::seconds(10)) {
        }
        milliseconds.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("first painted frame after start: median %.0f ms (fastest %.0f, slowest %.0f, %zu runs)\n",
                milliseconds[milliseconds.size() / 2], milliseconds.front(), milliseconds.back(), milliseconds.size());
    return 0;
}
