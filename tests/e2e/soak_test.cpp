// The real gauge left running: after a warm-up, its resident memory and the
// X resources it holds stay flat. $ZELTAVOR_SOAK_SECONDS sets how long.
#include <gtest/gtest.h>

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
    XSession x;
    GaugeProcess gauge({{"XDG_CONFIG_HOME", config.path().toStdString()}});
    const auto window = x.WaitForWindow(gauge.pid(), 10s);
    ASSERT_TRUE(window);
    // A round of everything the window redraws: the options view and back.
    ASSERT_TRUE(RunCommand("xdotool mousemove 107 107 click 3 sleep 0.5 mousemove 390 155 click 1"));
    std::this_thread::sleep_for(20s);  // past the sweep, caches warm
    const long memoryBefore = ResidentKilobytes(gauge.pid());
    const long resourcesBefore = XResources(x.display(), *window);
    ASSERT_GT(memoryBefore, 0);
    ASSERT_GT(resourcesBefore, 0);
    for (int elapsed = 0; elapsed < seconds; elapsed += 60) {
        std::this_thread::sleep_for(std::chrono::seconds(std::min(60, seconds - elapsed)));
        ASSERT_FALSE(gauge.WaitForExit(10ms)) << "the gauge ended after " << elapsed << " s";
    }
    const long memoryAfter = ResidentKilobytes(gauge.pid());
    const long resourcesAfter = XResources(x.display(), *window);
    std::printf("over %d s: resident %ld -> %ld KB, X resources %ld -> %ld\n", seconds, memoryBefore, memoryAfter,
                resourcesBefore, resourcesAfter);
    EXPECT_LE(memoryAfter - memoryBefore, 256);
    EXPECT_EQ(resourcesAfter, resourcesBefore);
}

}  // namespace
}  // namespace zeltavor::e2e
