#include <signal.h>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <thread>

#include "gauge_fixture.h"

namespace zeltavor::e2e {
namespace {

using namespace std::chrono_literals;

std::string Point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

bool SameColour(const Rgb8& a, const Rgb8& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

using WindowTest = GaugeFixture;

TEST_F(WindowTest, FirstStartIsASmallRoundInstrumentAtItsDefaultPlace) {
    const Screenshot before = x.Capture({67, 67, 80, 80});
    Start();
    // 1200 twips square at Left and Top 1000 twips, 15 twips to the pixel.
    EXPECT_EQ(Geometry(), (Rect{67, 67, 80, 80}));
    // Inside the circle, once painted, the dial; the corners of the square show
    // the desktop behind.
    Screenshot after;
    EXPECT_TRUE(PollUntil(5s, [&] {
        after = x.Capture(Geometry());
        return !SameColour(after.at(40, 3), before.at(40, 3)) && !SameColour(after.at(3, 40), before.at(3, 40));
    })) << "no dial inside the circle";
    for (const auto& [cx, cy] : {std::pair{1, 1}, {78, 1}, {1, 78}, {78, 78}})
        EXPECT_TRUE(SameColour(after.at(cx, cy), before.at(cx, cy))) << "corner " << cx << "," << cy;
}

TEST_F(WindowTest, ADragIsStoredOnReleaseAndARestartComesBackThere) {
    Start();
    XDoTool("mousemove " + Point(107, 107) + " mousedown 1 mousemove " + Point(207, 157) +
            " sleep 0.2 mousemove " + Point(307, 207) + " sleep 0.2");
    EXPECT_EQ(StoredSetting("MEMLeft"), "<missing>");  // nothing is written while dragging
    XDoTool("mouseup 1");
    EXPECT_EQ(Geometry(), (Rect{267, 167, 80, 80}));
    // The grabbed point followed the mouse by 200 and 100 pixels of 15 twips.
    EXPECT_EQ(StoredSetting("MEMLeft"), "4000");
    EXPECT_EQ(StoredSetting("MEMTOP"), "2500");

    EXPECT_EQ(Terminate(), 0);
    Start();
    EXPECT_EQ(Geometry(), (Rect{267, 167, 80, 80}));
}

TEST_F(WindowTest, SnapsToTheLeftAndBottomEdges) {
    Start();
    // Two pixels short of the left edge and well below the bottom one.
    XDoTool("mousemove " + Point(107, 107) + " mousedown 1 mousemove " + Point(42, 760) + " sleep 0.2 mouseup 1");
    EXPECT_EQ(Geometry(), (Rect{0, 768 - 80, 80, 80}));
    EXPECT_EQ(StoredSetting("MEMLeft"), "0");
    EXPECT_EQ(StoredSetting("MEMTOP"), "10320");
}

TEST_F(WindowTest, RightButtonWidensItIntoTheOptionsView) {
    Start();
    XDoTool("mousemove " + Point(107, 107) + " click 3");
    const Rect options = Geometry();
    EXPECT_EQ(options, (Rect{67, 67, 467, 148}));
    const Screenshot shot = x.Capture(options);
    // The panel's grey beside the dial, the red cross in it, and square corners.
    EXPECT_TRUE(SameColour(shot.at(300, 75), Rgb8{192, 192, 192}));
    EXPECT_TRUE(SameColour(shot.at(466, 147), Rgb8{192, 192, 192}));
    int red = 0;
    for (int y = 96; y < 137; ++y)
        for (int xx = 414; xx < 454; ++xx)
            if (shot.at(xx, y).r > 180 && shot.at(xx, y).g < 80) ++red;
    EXPECT_GT(red, 100) << "no red cross in the panel";
}

TEST_F(WindowTest, TheRedCrossEndsItAndKeepsTheOptions) {
    Start();
    XDoTool("mousemove " + Point(107, 107) + " click 3");
    XDoTool("mousemove " + Point(67 + 434, 67 + 116) + " click 1");
    EXPECT_EQ(gauge->WaitForExit(5s), 0);
    EXPECT_EQ(StoredSetting("txtHeight"), "1200");
    EXPECT_EQ(StoredSetting("Monis"), "1");
    EXPECT_EQ(StoredSetting("lblHDRAM.Caption"), "RAM");
}

TEST_F(WindowTest, ALogoutSavesTheOptionsToo) {
    WriteSettings("[Optionen]\nMonis=7\ntxtHeight=abc\nlblHDRAM.Caption=HD\nMEMTOP=-500\nMEMLeft=x\n");
    Start();
    EXPECT_EQ(Geometry(), (Rect{67, 7, 148, 148}));  // Top -500 became 100 twips; size 2220
    EXPECT_EQ(Terminate(), 0);
    EXPECT_EQ(StoredSetting("txtHeight"), "2220");
    EXPECT_EQ(StoredSetting("Monis"), "2");
    EXPECT_EQ(StoredSetting("lblHDRAM.Caption"), "HD");
}

// A relative XDG_CONFIG_HOME would name another folder whenever the working
// folder changes: it is ignored, for reading and writing alike.
TEST_F(WindowTest, ARelativeConfigFolderIsIgnored) {
    ASSERT_TRUE(QDir(config.path()).mkpath(".config"));
    const QString file = config.path() + "/.config/MEM.conf";
    QSettings(file, QSettings::IniFormat).setValue("Optionen/txtHeight", "1500");
    QSettings(file, QSettings::IniFormat).setValue("Optionen/lblHDRAM.Caption", "HD");  // the disk is measured
    Start({{"XDG_CONFIG_HOME", "relcfg"}, {"HOME", config.path().toStdString()}});
    EXPECT_EQ(Geometry().width, 100);  // 1500 twips, read from ~/.config
    EXPECT_EQ(Terminate(), 0);
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("Optionen/Monis"), "1");  // written there too
    EXPECT_FALSE(QFileInfo::exists("relcfg"));
    EXPECT_FALSE(QFileInfo::exists("/relcfg"));
}

}  // namespace
}  // namespace zeltavor::e2e
