#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <thread>

#include "command.h"
#include "x11_session.h"

namespace zeltavor::e2e {
namespace {

using namespace std::chrono_literals;

// The 32-bit Windows program under Wine on the test's X server: a round,
// topmost instrument with its needle; the right button opens the options
// view; a logoff while the AutoStart box waits for a click saves the options
// and ends the program without one.
TEST(WindowsProgram, RunsAsARoundTopmostInstrumentAndALogoffEndsItWithABoxOpen) {
    QTemporaryDir prefix;
    const std::string wine = "WINEPREFIX='" + prefix.path().toStdString() + "' " WINE_RUN;
    const auto click = [](int px, int py, int button) {
        std::this_thread::sleep_for(500ms);
        return RunCommand("xdotool mousemove " + std::to_string(px) + " " + std::to_string(py) + " click " + std::to_string(button));
    };
    const QImage desktop = Capture({67, 67, 80, 80});
    GaugeProcess gauge({{"WINEPREFIX", prefix.path().toStdString()}}, {WINE_RUN, WINDOWS_PROGRAM});
    const auto window = WaitForWindow(gauge.pid(), 60s);
    ASSERT_TRUE(window) << "no window from the Windows program";
    EXPECT_EQ(Property(*window, "_NET_WM_NAME"), "\"Zeltavor\"");
    EXPECT_TRUE(PollUntil(5s, [&] { return Property(*window, "_NET_WM_STATE").find("_ABOVE") != std::string::npos; }))
        << "not topmost";
    ASSERT_TRUE(PollUntil(5s, [&] { return Geometry(*window) == QRect(67, 67, 80, 80); }));
    std::this_thread::sleep_for(1s);
    const QImage shot = Capture({67, 67, 80, 80});
    EXPECT_EQ(shot.pixel(1, 1), desktop.pixel(1, 1));  // round: the corners show the desktop
    EXPECT_EQ(shot.pixel(78, 78), desktop.pixel(78, 78));
    int red = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x) red += qRed(shot.pixel(x, y)) > 200 && qGreen(shot.pixel(x, y)) < 60;
    EXPECT_GT(red, 15) << "no needle";

    ASSERT_TRUE(click(107, 107, 3));
    ASSERT_TRUE(PollUntil(5s, [&] { return Geometry(*window) == QRect(67, 67, 467, 148); })) << "no options view";
    ASSERT_TRUE(click(67 + 164 + 246, 67 - 4 + 16, 1));  // AutoStart
    ASSERT_TRUE(WaitForWindow(gauge.pid(), 10s, *window)) << "no confirmation box";
    ASSERT_TRUE(RunCommand(wine + " wineboot --end-session"));
    EXPECT_EQ(gauge.WaitForExit(5s), 0);
    const std::string stored = testing::CommandOutput(wine + " reg query 'HKCU\\Software\\MEM\\Optionen' 2>/dev/null");
    for (const char* value : {"txtHeight    REG_SZ    1200", "Monis    REG_SZ    1", "lblHDRAM.Caption    REG_SZ    RAM",
                              "MEMTOP    REG_SZ    1000"})  // the right-click's release stored the place
        EXPECT_NE(stored.find(value), std::string::npos) << stored;
    RunCommand(wine + " --stop");
}

}  // namespace
}  // namespace zeltavor::e2e
