// The real gauge kept busy: after a warm-up, round after round of the options
// view and a fresh sweep (a repaint at every tick); prints its resident
// memory and the X resources it holds before and after, and fails when they
// grew or it did not end cleanly. $ZELTAVOR_SOAK_SECONDS sets how long;
// bench/soak.sh runs it.
#include <gtest/gtest.h>
#include <signal.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "x11_session.h"

// Last: Xlib's macros (None, Bool) clash with the headers above.
#include <X11/Xlib.h>
#include <X11/extensions/XRes.h>

namespace zeltavor::e2e {
namespace {

using namespace std::chrono_literals;

long ResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
    return -1;
}

// Windows, pixmaps, graphics contexts, fonts … that the client owning the
// window holds on the server.
long XResources(Display* display, XWindow window) {
    int clientCount = 0;
    XResClient* clients = nullptr;
    XResQueryClients(display, &clientCount, &clients);
    long total = -1;
    for (int i = 0; i < clientCount; ++i) {
        if ((window & ~clients[i].resource_mask) != clients[i].resource_base) continue;
        int typeCount = 0;
        XResType* types = nullptr;
        XResQueryClientResources(display, clients[i].resource_base, &typeCount, &types);
        total = 0;
        for (int t = 0; t < typeCount; ++t) total += types[t].count;
        XFree(types);
    }
    XFree(clients);
    return total;
}

TEST(Soak, TheRunningGaugeStaysFlat) {
    const char* configured = std::getenv("ZELTAVOR_SOAK_SECONDS");
    const int seconds = configured ? std::atoi(configured) : 600;
    QTemporaryDir config;
    Display* x = XOpenDisplay(nullptr);
    ASSERT_NE(x, nullptr) << "no X server: run through bench/soak.sh";
    GaugeProcess gauge({{"XDG_CONFIG_HOME", config.path().toStdString()}});
    const auto window = WaitForWindow(gauge.pid(), 10s);
    ASSERT_TRUE(window);
    // The options view and back with "weiter": everything the window draws,
    // then a sweep that repaints at every tick.
    const auto round = [] { return RunCommand("xdotool mousemove 107 107 click 3 sleep 0.3 mousemove 390 155 click 1"); };
    ASSERT_TRUE(round());
    std::this_thread::sleep_for(5s);  // past the sweep, caches warm
    const long memoryBefore = ResidentKilobytes(gauge.pid());
    const long resourcesBefore = XResources(x, *window);
    ASSERT_GT(memoryBefore, 0);
    ASSERT_GT(resourcesBefore, 0);
    int rounds = 0;
    for (auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
         std::chrono::steady_clock::now() < end; ++rounds) {
        ASSERT_TRUE(round());
        std::this_thread::sleep_for(2s);
        ASSERT_FALSE(gauge.WaitForExit(10ms)) << "the gauge ended after " << rounds << " rounds";
    }
    std::this_thread::sleep_for(3s);  // the last sweep ends
    const long memoryAfter = ResidentKilobytes(gauge.pid());
    const long resourcesAfter = XResources(x, *window);
    std::printf("over %d s and %d rounds: resident %ld -> %ld KB, X resources %ld -> %ld\n", seconds, rounds,
                memoryBefore, memoryAfter, resourcesBefore, resourcesAfter);
    EXPECT_LE(memoryAfter - memoryBefore, 256);
    EXPECT_EQ(resourcesAfter, resourcesBefore);
    ::kill(gauge.pid(), SIGTERM);
    EXPECT_EQ(gauge.WaitForExit(5s), 0);
}

}  // namespace
}  // namespace zeltavor::e2e
