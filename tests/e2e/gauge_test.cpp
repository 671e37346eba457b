// The real program on a virtual X server with a window manager: one scenario
// for each thing a user does with it.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <functional>
#include <numbers>

#include "app/conversions.h"
#include "app/form1.h"
#include "command.h"
#include "memory_status.h"
#include "x11_session.h"

namespace zeltavor::e2e {
namespace {

using namespace std::chrono_literals;

std::string MoveTo(int x, int y) { return "mousemove " + std::to_string(x) + " " + std::to_string(y); }

// The red needle's direction in degrees clockwise from twelve, from the pure
// red pixels between the hub and the tip of the 148-pixel dial.
std::optional<double> NeedleDirection(const QImage& shot) {
    double sumX = 0, sumY = 0;
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb p = shot.pixel(x, y);
            const double dx = x + 0.5 - 74, dy = y + 0.5 - 74, r = std::hypot(dx, dy);
            if (qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60 && r > 12 && r < 60) sumX += dx, sumY += dy, ++count;
        }
    if (count < 20) return std::nullopt;
    return std::fmod(std::atan2(sumX, -sumY) * 180 / std::numbers::pi + 360, 360);
}

// The program started as a user would, with a settings folder of its own, at
// Left and Top 1000 twips: 67 pixels at 15 twips to the pixel.
class Gauge : public ::testing::Test {
protected:
    static constexpr int kAt = 67;
    QTemporaryDir config;
    QString settingsFile = config.filePath("MEM.conf");
    std::unique_ptr<GaugeProcess> gauge;
    XWindow window = 0;

    void Start(std::map<std::string, std::string> environment = {}) {
        environment.insert({{"XDG_CONFIG_HOME", config.path().toStdString()}, {"LC_ALL", "C.UTF-8"}});
        gauge = std::make_unique<GaugeProcess>(environment);
        const auto found = WaitForWindow(gauge->pid(), 10s);
        ASSERT_TRUE(found) << "the gauge's window did not appear";
        window = *found;
    }
    // Ends it as a logout does; its exit status within the time.
    std::optional<int> Terminate(std::chrono::milliseconds within = 5s) {
        ::kill(gauge->pid(), SIGTERM);
        return gauge->WaitForExit(within);
    }
    void WriteSettings(const char* text) {
        QFile file(settingsFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    std::string Stored(const char* key) const {
        return QSettings(settingsFile, QSettings::IniFormat).value(QString("Optionen/") + key, "<missing>").toString().toStdString();
    }
    QRect Place() const { return Geometry(window); }
    // Waits until the window stands there; a sanitized build reacts slowly.
    bool Becomes(const QRect& place) const {
        return PollUntil(3s, [&] { return Place() == place; });
    }
    void XDoTool(const std::string& arguments) const {
        ASSERT_TRUE(RunCommand("xdotool " + arguments)) << arguments;
        std::this_thread::sleep_for(300ms);
    }
    void OpenOptions() {
        XDoTool(MoveTo(kAt + 20, kAt + 40) + " click 3");
        ASSERT_TRUE(Becomes({kAt, kAt, 467, 148})) << "no options view";
    }
    // Clicks the middle of a control of the panel, given in twips.
    void ClickPanel(int left, int top, int width, int height, const std::string& clicks = "click 1") {
        XDoTool(MoveTo(kAt + 164 + (left + width / 2) / 15, kAt - 4 + (top + height / 2) / 15) + " " + clicks);
    }
    // True once the needle of the 2220-twip dial points where a reading taken
    // just before or after the screenshot puts it.
    bool NeedleFollows(const std::function<double()>& reading) {
        std::optional<double> seen;
        double before = 0;
        const bool follows = PollUntil(8s, [&] {
            before = reading();
            seen = NeedleDirection(Capture(Place()));
            const double after = reading();
            const auto near = [&](double percent) {
                const int step = RoundToInt16(ScalePosition(Compress(percent)));
                const double off = std::fabs(*seen - ((step % 60 + 60) % 60) * 6.0);
                return std::min(off, 360 - off) < 4;
            };
            return seen && (near(before) || near(after));
        });
        if (!follows) ADD_FAILURE() << "needle at " << seen.value_or(-1) << " degrees for " << before << " %";
        return follows;
    }
};

// At twice the density the instrument keeps its size in twips, draws the
// finer dial, and its outline follows the circle pixel by pixel.
TEST_F(Gauge, FirstStartIsASmallRoundTopmostInstrumentAtItsPlaceAtAnyDensity) {
    const QRect place{2 * kAt, 2 * kAt, 160, 160};  // 1200 twips
    const QImage desktop = Capture(place);
    Start({{"QT_SCALE_FACTOR", "2"}});
    EXPECT_EQ(Place(), place);
    EXPECT_EQ(Property(window, "_NET_WM_NAME"), "\"Zeltavor\"");
    EXPECT_NE(Property(window, "_NET_WM_STATE").find("_NET_WM_STATE_ABOVE"), std::string::npos);
    EXPECT_EQ(Property(window, "_NET_FRAME_EXTENTS"), "0, 0, 0, 0");
    EXPECT_NE(Property(window, "_NET_WM_ICON"), "");
    std::this_thread::sleep_for(1500ms);  // the sweep has settled
    const QImage shot = Capture(place);
    for (const auto& [cx, cy] : {std::pair{2, 2}, {157, 2}, {2, 157}, {157, 157}, {6, 36}, {152, 122}})  // round, not rounded
        EXPECT_EQ(shot.pixel(cx, cy), desktop.pixel(cx, cy)) << cx << "," << cy;
    EXPECT_NE(shot.pixel(80, 6), desktop.pixel(80, 6));
    const auto firstShown = [&](int row) {
        int column = 0;
        while (column < shot.width() && shot.pixel(column, row) == desktop.pixel(column, row)) ++column;
        return column;
    };
    int finerThanTwo = 0, blocksWithDetail = 0;
    for (int y = 4; y < 76; y += 2) finerThanTwo += firstShown(y) != firstShown(y + 1);
    EXPECT_GT(finerThanTwo, 8) << "the edge moves in steps of two pixels";
    for (int row = 40; row < 120; row += 2)
        for (int column = 40; column < 120; column += 2) blocksWithDetail += shot.pixel(column, row) != shot.pixel(column + 1, row + 1);
    EXPECT_GT(blocksWithDetail, 40 * 40 / 4) << "a blocky dial";
}

TEST_F(Gauge, TheNeedleFollowsTheMemoryLoadAndF12SnapsItToTheTopRightCorner) {
    WriteSettings("[Optionen]\ntxtHeight=2220\n");
    Start();
    linux_platform::LinuxMemoryStatus memory;
    std::this_thread::sleep_for(3s);  // past the longest sweep, 100 ticks of 30 ms
    ASSERT_TRUE(NeedleFollows([&] { return memory.MemoryLoad().value_or(-1); }));
    ASSERT_TRUE(RunCommand("xdotool keydown F12 && sleep 0.3 && xdotool keyup F12"));
    EXPECT_TRUE(Becomes({869, 0, 148, 148}));  // Left = 15360 - 2220 x 1.05 twips
}

TEST_F(Gauge, ADragSnapsToTheEdgesIsStoredOnReleaseAndARestartComesBackThere) {
    Start();
    XDoTool(MoveTo(107, 107) + " mousedown 1 " + MoveTo(207, 157) + " sleep 0.2 " + MoveTo(307, 207));
    EXPECT_EQ(Stored("MEMLeft"), "<missing>");  // nothing is written while dragging
    XDoTool("mouseup 1");
    EXPECT_TRUE(Becomes({267, 167, 80, 80}));
    EXPECT_EQ(Stored("MEMLeft"), "4000");
    EXPECT_EQ(Stored("MEMTOP"), "2500");
    EXPECT_EQ(Terminate(), 0);
    Start();
    EXPECT_EQ(Place(), (QRect(267, 167, 80, 80)));
    // Two pixels short of the left edge and well below the bottom one.
    XDoTool(MoveTo(307, 207) + " mousedown 1 " + MoveTo(42, 760) + " sleep 0.2 mouseup 1");
    EXPECT_TRUE(Becomes({0, 768 - 80, 80, 80}));
    EXPECT_EQ(Stored("MEMLeft"), "0");
    EXPECT_EQ(Stored("MEMTOP"), "10320");
}

TEST_F(Gauge, TheOptionsViewTakesDigitsAndWeiterMakesARoundInstrumentOfThatSize) {
    const QImage desktop = Capture({kAt, kAt, 100, 100});
    Start();
    OpenOptions();
    const QImage panel = Capture(Place());
    EXPECT_EQ(panel.pixel(300, 75), (qRgb(192, 192, 192)));
    EXPECT_EQ(panel.pixel(466, 147), (qRgb(192, 192, 192)));  // square corners
    ClickPanel(1695, 1200, 645, 330, "click --repeat 3 1");  // txtHeight, its text selected
    XDoTool("type 1a5.b0,0");  // letters and separators are refused
    ClickPanel(930, 1590, 2505, 585);  // "weiter"
    ASSERT_TRUE(Becomes({kAt, kAt, 100, 100}));
    EXPECT_EQ(Stored("txtHeight"), "1500");
    EXPECT_EQ(Stored("Monis"), "1");
    const QImage round = Capture(Place());
    EXPECT_EQ(round.pixel(1, 1), desktop.pixel(1, 1));
    EXPECT_NE(round.pixel(50, 3), desktop.pixel(50, 3));

    OpenOptions();  // only a click that starts on the red cross ends the program
    XDoTool(MoveTo(kAt + 174, kAt + 140) + " mousedown 1 " + MoveTo(kAt + 434, kAt + 116) + " mouseup 1");
    EXPECT_FALSE(gauge->WaitForExit(300ms));
    XDoTool("click 1");
    EXPECT_EQ(gauge->WaitForExit(5s), 0);
    EXPECT_EQ(Stored("lblHDRAM.Caption"), "RAM");
}

// A double-click is a click and then nothing more: the source switches once.
TEST_F(Gauge, TheDotSwitchesToTheDiskAndTheNeedleShowsWhatDfSays) {
    WriteSettings("[Optionen]\ntxtHeight=2220\n");
    Start();
    const auto dotCentre = [&] { return Capture({kAt + 74, kAt + 116, 1, 1}).pixel(0, 0); };
    EXPECT_LT(qRed(dotCentre()), 60) << "the filled dot";
    XDoTool(MoveTo(kAt + 74, kAt + 116) + " click --repeat 2 --delay 80 1");  // 634 twips below the pivot
    EXPECT_EQ(Stored("lblHDRAM.Caption"), "HD");
    EXPECT_GT(qRed(dotCentre()), 200) << "the empty dot in its place";
    EXPECT_TRUE(NeedleFollows([] { return testing::DfOfRoot().usedShare; }));
}

TEST_F(Gauge, CleanUpEmptiesTheClipboardAndAutoStartWritesARunnableEntry) {
    Start();
    ASSERT_TRUE(RunCommand("printf 'geheim' | xclip -selection clipboard"));
    OpenOptions();
    ClickPanel(330, 420, 2100, 285);  // "Speicher aufräumen"
    EXPECT_EQ(testing::CommandOutput("xclip -o -selection clipboard 2>/dev/null"), "");
    const QImage panel = Capture(Place());
    int yellow = 0;
    for (int y = 8; y < 24; ++y)  // Label3
        for (int xx = 187; xx < 310; ++xx) yellow += qRed(panel.pixel(xx, y)) > 200 && qBlue(panel.pixel(xx, y)) < 80;
    EXPECT_GT(yellow, 30) << "no yellow message";

    ClickPanel(2940, 105, 1485, 285);  // "AutoStart"
    const auto box = WaitForWindow(gauge->pid(), 5s, window);
    ASSERT_TRUE(box) << "no confirmation box";
    EXPECT_EQ(Property(*box, "_NET_WM_NAME"), "\"Zeltavor\"");
    std::ifstream entry((config.path() + "/autostart/Zeltavor.desktop").toStdString());
    std::string line;
    while (std::getline(entry, line) && !line.starts_with("Exec=")) {
    }
    EXPECT_EQ(line, "Exec=" ZELTAVOR_BINARY);  // a plain path needs no quoting
    XDoTool("key Return");  // closes the box; the program goes on
    EXPECT_TRUE(PollUntil(2s, [&] { return !IsMapped(*box); }));
    EXPECT_FALSE(gauge->WaitForExit(100ms));
}

// A logout never waits for a click: not during a drag, not while a box is
// open, not when the options cannot be saved (that ends it with status 1).
TEST_F(Gauge, ATerminationSignalSavesAndEndsItWithinASecondWhateverIsOpen) {
    // A hand-damaged file: set aside, and what could be read is used.
    WriteSettings("[Optionen]\nMonis=7\nno setting\ntxtHeight=abc\nlblHDRAM.Caption=HD\n");
    Start();
    XDoTool(MoveTo(kAt + 20, kAt + 20) + " mousedown 1 " + MoveTo(kAt + 60, kAt + 50));
    EXPECT_EQ(Terminate(1s), 0) << "dragging";
    XDoTool("mouseup 1");
    EXPECT_EQ(Stored("txtHeight"), "2220");  // as start-up corrected them
    EXPECT_EQ(Stored("Monis"), "2");
    EXPECT_EQ(Stored("lblHDRAM.Caption"), "HD");
    EXPECT_TRUE(QFile::exists(settingsFile + ".unlesbar"));

    Start();
    OpenOptions();
    ClickPanel(2940, 105, 1485, 285);  // "AutoStart"
    ASSERT_TRUE(WaitForWindow(gauge->pid(), 5s, window)) << "no confirmation box";
    EXPECT_EQ(Terminate(1s), 0) << "the AutoStart box open";

    QFile::remove(settingsFile);
    ASSERT_TRUE(QDir().mkdir(settingsFile));  // no save can succeed
    Start();
    EXPECT_EQ(Terminate(1s), 1) << "a failing save";
    Start();
    XDoTool(MoveTo(kAt + 20, kAt + 20) + " click 1");  // the release fails to save
    ASSERT_TRUE(WaitForWindow(gauge->pid(), 5s, window)) << "no error box";
    EXPECT_EQ(Terminate(1s), 1) << "the error box open";
}

}  // namespace
}  // namespace zeltavor::e2e
