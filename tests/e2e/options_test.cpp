#include <signal.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

#include "app/conversions.h"
#include "app/form1.h"
#include "gauge_fixture.h"

namespace zeltavor::e2e {
namespace {

using namespace std::chrono_literals;

std::string Point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

bool SameColour(const Rgb8& a, const Rgb8& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

std::string CommandOutput(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[256];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    if (pipe) ::pclose(pipe);
    return output;
}

// The options view of the instrument at Left and Top 1000 twips (67 pixels),
// with the panel's controls at their places in pixels of the window.
class OptionsTest : public GaugeFixture {
protected:
    static constexpr int kLeft = 67, kTop = 67;
    static constexpr int kPanelLeft = 164, kPanelTop = -4;  // Frame1

    void OpenOptions() {
        XDoTool("mousemove " + Point(kLeft + 20, kTop + 40) + " click 3");
        ASSERT_EQ(Geometry().width, 467);
    }
    // Clicks the middle of a control inside the panel given in twips.
    void ClickPanel(int left, int top, int width, int height, const std::string& clicks = "click 1") {
        const int x = kLeft + kPanelLeft + (left + width / 2) / 15;
        const int y = kTop + kPanelTop + (top + height / 2) / 15;
        XDoTool("mousemove " + Point(x, y) + " " + clicks);
    }
};

TEST_F(OptionsTest, ATypedSizeGivesARoundInstrumentOfThatSize) {
    const Screenshot desktop = x.Capture({kLeft, kTop, 100, 100});
    Start();
    OpenOptions();
    ClickPanel(1695, 1200, 645, 330, "click --repeat 3 1");  // txtHeight, its text selected
    XDoTool("type 1a5.b0,0");  // letters and separators are refused
    ClickPanel(930, 1590, 2505, 585);  // "weiter"
    EXPECT_EQ(Geometry(), (Rect{kLeft, kTop, 100, 100}));
    EXPECT_EQ(StoredSetting("txtHeight"), "1500");
    EXPECT_EQ(StoredSetting("Monis"), "1");
    const Screenshot round = x.Capture(Geometry());
    EXPECT_TRUE(SameColour(round.at(1, 1), desktop.at(1, 1)));
    EXPECT_TRUE(SameColour(round.at(98, 98), desktop.at(98, 98)));
    EXPECT_FALSE(SameColour(round.at(50, 3), desktop.at(50, 3)));
}

// A double-click is a click and then nothing more: the source switches once.
TEST_F(OptionsTest, TheDotSwitchesToTheDiskAndTheNeedleShowsWhatDfSays) {
    WriteSettings("[Optionen]\ntxtHeight=2220\n");
    Start();
    // The dot sits 634 twips below the pivot of the 148-pixel dial.
    XDoTool("mousemove " + Point(kLeft + 74, kTop + 116) + " click --repeat 2 --delay 80 1");
    EXPECT_EQ(StoredSetting("lblHDRAM.Caption"), "HD");

    std::istringstream df(CommandOutput("LC_ALL=C df -B1 --output=used,avail /"));
    std::string header;
    double used = 0, avail = 0;
    std::getline(df, header);
    df >> used >> avail;
    ASSERT_GT(used + avail, 0);
    const double percent = 100 * used / (used + avail);
    const int step = RoundToInt16(ScalePosition(Compress(percent)));
    const double expected = ((step % 60 + 60) % 60) * 6.0;
    std::optional<double> seen;
    const bool pointsThere = PollUntil(6s, [&] {
        const Screenshot shot = x.Capture(Geometry());
        double sumX = 0, sumY = 0;
        int count = 0;
        for (int y = 0; y < shot.height; ++y)
            for (int xx = 0; xx < shot.width; ++xx) {
                const Rgb8& p = shot.at(xx, y);
                const double dx = xx + 0.5 - 74, dy = y + 0.5 - 74, r = std::hypot(dx, dy);
                if (p.r > 200 && p.g < 60 && p.b < 60 && r > 12 && r < 60) sumX += dx, sumY += dy, ++count;
            }
        if (count < 20) return false;
        seen = std::fmod(std::atan2(sumX, -sumY) * 180 / std::numbers::pi + 360, 360);
        const double off = std::fabs(*seen - expected);
        return std::min(off, 360 - off) < 4;
    });
    EXPECT_TRUE(pointsThere) << "needle at " << seen.value_or(-1) << " degrees, df says " << percent
                             << " %, which points at " << expected;
}

TEST_F(OptionsTest, AutoStartWritesARunnableEntryAndConfirmsIt) {
    Start();
    OpenOptions();
    ClickPanel(2940, 105, 1485, 285);  // "AutoStart"
    const auto box = x.WaitForWindow(gauge->pid(), 5s, window);
    ASSERT_TRUE(box) << "no confirmation box";
    EXPECT_EQ(x.Utf8Property(*box, "_NET_WM_NAME"), "Zeltavor");

    std::ifstream entry((config.path() + "/autostart/Zeltavor.desktop").toStdString());
    ASSERT_TRUE(entry) << "no autostart entry";
    std::string line, exec;
    while (std::getline(entry, line))
        if (line.starts_with("Exec=")) exec = line.substr(5);
    EXPECT_EQ(exec, ZELTAVOR_BINARY);  // a plain path needs no quoting
    struct stat program {};
    EXPECT_EQ(::stat(exec.c_str(), &program), 0);
    EXPECT_TRUE(program.st_mode & S_IXUSR);

    XDoTool("key Return");  // closes the box; the program goes on
    EXPECT_TRUE(PollUntil(2s, [&] { return !x.IsMapped(*box); }));
    EXPECT_FALSE(gauge->WaitForExit(100ms));
}

// A logout never waits for a click: not during a drag, not while a box is
// open, not when the options cannot be saved (that ends it with status 1).
TEST_F(OptionsTest, ATerminationSignalEndsItWithinASecondWhateverIsOpen) {
    const auto endsWithin = [&](int status, const char* situation) {
        ::kill(gauge->pid(), SIGTERM);
        EXPECT_EQ(gauge->WaitForExit(1s), status) << situation;
        gauge.reset();
    };
    Start();
    XDoTool("mousemove " + Point(kLeft + 20, kTop + 20) + " mousedown 1 mousemove " + Point(kLeft + 60, kTop + 50));
    endsWithin(0, "dragging");
    XDoTool("mouseup 1");

    Start();
    OpenOptions();
    ClickPanel(2940, 105, 1485, 285);  // "AutoStart"
    ASSERT_TRUE(x.WaitForWindow(gauge->pid(), 5s, window)) << "no confirmation box";
    endsWithin(0, "the AutoStart box open");
    EXPECT_EQ(StoredSetting("txtHeight"), "1200");  // saved on the way out

    QFile::remove(QString::fromStdString(SettingsPath()));
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(SettingsPath())));  // no save can succeed
    Start();
    endsWithin(1, "a failing save");
    Start();
    XDoTool("mousemove " + Point(kLeft + 20, kTop + 20) + " click 1");  // the release fails to save
    ASSERT_TRUE(x.WaitForWindow(gauge->pid(), 5s, window)) << "no error box";
    endsWithin(1, "the error box open");
}

TEST_F(OptionsTest, CleanUpEmptiesTheClipboardAndSaysSoInYellow) {
    Start();
    ASSERT_TRUE(RunCommand("printf 'geheim' | xclip -selection clipboard"));
    ASSERT_EQ(CommandOutput("xclip -o -selection clipboard 2>/dev/null"), "geheim");
    OpenOptions();
    ClickPanel(330, 420, 2100, 285);  // "Speicher aufräumen"
    EXPECT_EQ(CommandOutput("xclip -o -selection clipboard 2>/dev/null"), "");
    const Screenshot panel = x.Capture(Geometry());
    int yellow = 0;
    for (int y = 8; y < 24; ++y)  // Label3
        for (int xx = 187; xx < 310; ++xx)
            if (panel.at(xx, y).r > 200 && panel.at(xx, y).g > 200 && panel.at(xx, y).b < 80) ++yellow;
    EXPECT_GT(yellow, 30) << "no yellow message";
}

}  // namespace
}  // namespace zeltavor::e2e
