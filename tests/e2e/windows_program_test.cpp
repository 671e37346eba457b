#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <thread>

#include "command.h"
#include "x11_session.h"

// The Windows program, 64-bit build, under Wine on the test's X server.
namespace zeltavor::e2e {
namespace {

using namespace std::chrono_literals;

std::string Point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

class WindowsProgram : public ::testing::Test {
protected:
    static inline QTemporaryDir* prefix = nullptr;  // one Wine prefix for the suite: it takes seconds to make

    static void SetUpTestSuite() { prefix = new QTemporaryDir; }
    static void TearDownTestSuite() {
        const std::string stop = "WINEPREFIX='" + prefix->path().toStdString() + "' " WINE_RUN " --stop";
        RunCommand(stop);
        delete prefix;
        prefix = nullptr;
    }

    std::map<std::string, std::string> Environment() const {
        return {{"WINEPREFIX", prefix->path().toStdString()}};
    }
    // What Wine's reg.exe prints for the settings key.
    std::string StoredSettings() const {
        return testing::CommandOutput("WINEPREFIX='" + prefix->path().toStdString() + "' " WINE_RUN
                                      " reg query 'HKCU\\Software\\MEM\\Optionen' 2>/dev/null");
    }

    XSession x;
};

TEST_F(WindowsProgram, RunsAsARoundTopmostInstrumentAndEndsWithTheRedCross) {
    const Screenshot desktop = x.Capture({67, 67, 80, 80});
    GaugeProcess gauge(Environment(), {WINE_RUN, WINDOWS_PROGRAM});
    const auto window = x.WaitForWindow(gauge.pid(), 60s);
    ASSERT_TRUE(window) << "no window from the Windows program";
    EXPECT_EQ(x.Utf8Property(*window, "_NET_WM_NAME"), "Zeltavor");
    EXPECT_TRUE(PollUntil(5s, [&] {
        const auto states = x.AtomListProperty(*window, "_NET_WM_STATE");
        return std::find(states.begin(), states.end(), "_NET_WM_STATE_ABOVE") != states.end();
    })) << "not topmost";
    ASSERT_TRUE(PollUntil(5s, [&] { return x.RootGeometry(*window) == Rect{67, 67, 80, 80}; }));

    // Round: the corners show the desktop; the dial and the red needle inside.
    std::this_thread::sleep_for(1s);
    const Screenshot shot = x.Capture({67, 67, 80, 80});
    const auto same = [](const Rgb8& a, const Rgb8& b) { return a.r == b.r && a.g == b.g && a.b == b.b; };
    EXPECT_TRUE(same(shot.at(1, 1), desktop.at(1, 1)));
    EXPECT_TRUE(same(shot.at(78, 78), desktop.at(78, 78)));
    int red = 0;
    for (const Rgb8& p : shot.pixels) red += p.r > 200 && p.g < 60 && p.b < 60;
    EXPECT_GT(red, 15) << "no needle";

    ASSERT_TRUE(RunCommand("xdotool mousemove " + Point(107, 107) + " click 3"));
    EXPECT_TRUE(PollUntil(5s, [&] { return x.RootGeometry(*window) == Rect{67, 67, 467, 148}; }))
        << "no options view";
    std::this_thread::sleep_for(500ms);
    ASSERT_TRUE(RunCommand("xdotool mousemove " + Point(67 + 434, 67 + 116) + " click 1"));
    EXPECT_EQ(gauge.WaitForExit(15s), 0);

    const std::string stored = StoredSettings();
    EXPECT_NE(stored.find("txtHeight    REG_SZ    1200"), std::string::npos) << stored;
    EXPECT_NE(stored.find("Monis    REG_SZ    1"), std::string::npos) << stored;
    EXPECT_NE(stored.find("lblHDRAM.Caption    REG_SZ    RAM"), std::string::npos) << stored;
    EXPECT_NE(stored.find("MEMTOP    REG_SZ    1000"), std::string::npos) << stored;  // the right-click's release
}

// A logoff while the AutoStart box waits for a click: the options are saved
// and the program ends without one.
TEST_F(WindowsProgram, ALogoffEndsItEvenWithABoxOpen) {
    GaugeProcess gauge(Environment(), {WINE_RUN, WINDOWS_PROGRAM});
    const auto window = x.WaitForWindow(gauge.pid(), 60s);
    ASSERT_TRUE(window) << "no window from the Windows program";
    ASSERT_TRUE(PollUntil(5s, [&] { return x.RootGeometry(*window) == Rect{67, 67, 80, 80}; }));
    ASSERT_TRUE(RunCommand("xdotool mousemove " + Point(107, 107) + " click 3"));
    ASSERT_TRUE(PollUntil(5s, [&] { return x.RootGeometry(*window) == Rect{67, 67, 467, 148}; }));
    std::this_thread::sleep_for(500ms);
    ASSERT_TRUE(RunCommand("xdotool mousemove " + Point(67 + 164 + 246, 67 - 4 + 16) + " click 1"));  // AutoStart
    ASSERT_TRUE(x.WaitForWindow(gauge.pid(), 10s, *window)) << "no confirmation box";
    const std::string logoff = "WINEPREFIX='" + prefix->path().toStdString() + "' " WINE_RUN " wineboot --end-session";
    ASSERT_TRUE(RunCommand(logoff));
    EXPECT_EQ(gauge.WaitForExit(5s), 0);
    EXPECT_NE(StoredSettings().find("txtHeight    REG_SZ    1200"), std::string::npos);
}

}  // namespace
}  // namespace zeltavor::e2e
