#include <gtest/gtest.h>

#include "runtime/errors.h"
#include "frontend/view.h"
#include "fakes.h"

namespace zeltavor::testing {
namespace {

TEST(Load, PositionIsCorrectedAtTheTopAndTheRightOnlyAndUnusableOnesCountAsMissing) {
    const struct { const char *top, *left, *monitors; float wantTop, wantLeft; } cases[] = {
        {"-500", "40000", "1", 100, 14160}, {"99000", "-45", "1", 99000, -45}, {"0", "0", "1", 0, 0},
        {"5", "5", "0", 5, -1200},  // no monitors: left of the screen
        {"1e9", "-1e9", "2", 1e9, -1e9}};  // the farthest usable place
    for (const auto& c : cases) {
        LoadedForm f{{"MEMTOP", c.top}, {"MEMLeft", c.left}, {"Monis", c.monitors}};
        EXPECT_EQ(std::pair(f.form.Top, f.form.Left), std::pair(c.wantTop, c.wantLeft)) << c.top << " " << c.left;
    }
    for (const char* stored : {"", "links", "1e300", "3e9", "2147483520", "-2147483520", "12,5"}) {
        LoadedForm f{{"MEMTOP", stored}, {"MEMLeft", stored}};
        f.form.MouseDown(1, 0, 0, 0);
        f.form.MouseMove(1, 0, 5000, 5000);  // a drag from there stays in range
        EXPECT_EQ(std::pair(f.form.Top, f.form.Left), std::pair(6000.f, 6000.f)) << stored;
    }
}

// A 2220-twip instrument on a 1024 x 768 screen at 15 twips per pixel.
class Placement : public ::testing::Test {
protected:
    LoadedForm f{{"txtHeight", "2220"}};
    // Grabs the window at (100, 100) and moves so that it lands at the place before snapping.
    void DragTo(float left, float top) {
        f.form.MouseDown(1, 0, 100, 100);
        f.form.MouseMove(1, 0, 100 + left - f.form.Left, 100 + top - f.form.Top);
    }
};

TEST_F(Placement, DraggingSnapsToTheLeftTopAndBottomEdges) {
    for (const auto& [left, top, wantLeft, wantTop] :
         {std::tuple{49.f, 1000.f, 0.f, 1000.f}, {50, 1000, 50, 1000}, {-300, 1000, 0, 1000}, {1000, 49, 1000, 0},
          {1000, 50, 1000, 50}, {1000, 9250, 1000, 9250}, {1000, 9251, 1000, 9300},
          {20000, 1000, 20000, 1000}}) {  // nothing holds it on the right while dragging
        DragTo(left, top);
        EXPECT_EQ(std::pair(f.form.Left, f.form.Top), std::pair(wantLeft, wantTop)) << left << " " << top;
    }
    f.form.MouseMove(0, 0, 500, 500);  // no button held: no drag
    EXPECT_EQ(f.form.Left, 20000);
    EXPECT_TRUE(f.settings.writes.empty());
}

TEST_F(Placement, ReleaseStoresThePositionThenPullsItInsideTheMonitors) {
    for (const auto& [monitors, left] : {std::pair{"1", 13140.f}, {"2", 14000}, {"", 13140}, {"0", -2220}}) {
        f.form.Monis.Text = monitors;  // an empty count is one monitor
        DragTo(14000, 1500);
        f.form.MouseUp();
        EXPECT_EQ(f.form.Left, left) << monitors;
    }
    EXPECT_EQ(f.settings.writes, (std::vector<std::string>{"MEMTOP", "MEMLeft", "MEMTOP", "MEMLeft", "MEMTOP", "MEMLeft", "MEMTOP", "MEMLeft"}));
    EXPECT_EQ(f.settings.Stored("MEMTOP") + " " + f.settings.Stored("MEMLeft"), "1500 14000");  // stored before the correction
    f.form.Monis.Text = "1";
    f.form.DblClick();  // to the right edge of the monitors; stored at the next release
    EXPECT_EQ(f.form.Left, 13130);
    f.form.MouseUp();
    EXPECT_EQ(f.settings.Stored("MEMLeft"), "13130");
    f.form.Monis.Text = "0";
    f.form.DblClick();
    EXPECT_EQ(f.form.Left, -2230);
    f.form.Monis.Text = "1", f.form.Left = 12735, f.form.Top = 9000;  // right and low on 1024 x 768
    f.screen.width = 800, f.screen.height = 600;  // then another resolution
    f.form.DisplayChanged();
    EXPECT_EQ(std::pair(f.form.Left, f.form.Top), std::pair(12000.f - 2220, 9000.f - 2220));
    f.form.Top = 100;  // inside the new screen: it stays
    f.form.DisplayChanged();
    EXPECT_EQ(f.form.Top, 100);
}

TEST_F(Placement, RightButtonOpensTheOptionsViewAndALeftPressOnlyTakesTheGrip) {
    for (int twice = 0; twice < 2; ++twice) {  // a second press repeats it all
        f.form.MouseDown(2, 0, 300, 400);
        EXPECT_EQ(std::pair(f.form.Width(), f.form.Height()), std::pair(7005.f, 2220.f));
        EXPECT_EQ(f.form.Outline, (RoundRectRegion{0, 0, 467, 148, 0, 0}));
        EXPECT_EQ(std::tuple(f.form.CenterX, f.form.NeedleLen, f.form.imgDot0.Top), std::tuple(1110, 800, 1639));
        EXPECT_EQ(std::pair(f.form.lbl_MEM.Left, f.form.lbl_MEM.Top), std::pair(750.f, 750.f));
        EXPECT_TRUE(f.form.Timer2.Enabled() && !f.form.Timer1.Enabled() && f.form.SweepCount == 0);
    }
    EXPECT_EQ(RunSweep(f.form), 45);  // the options view's sweep does not reset the reading first
    f.form.Label3.Caption = "Speicher aufgeräumt";
    f.form.Label3.ForeColor = {255, 255, 0};
    const auto outline = f.form.Outline;
    f.form.MouseDown(1, 0, 12.5f, 13.5f);
    EXPECT_EQ(std::pair(f.form.DragX, f.form.DragY), std::pair(12, 14));  // halves to even
    EXPECT_TRUE(f.form.Label3.Caption == kCreditLine && f.form.Label3.ForeColor == kCreditColour);
    EXPECT_EQ(f.form.Outline, outline);
    for (const auto& [twipsPerPixel, left, shown] : {std::tuple{15.f, 14000.f, 8355.f}, {15, 29000, 23715}, {5, 1000, 0}}) {
        f.screen.twipsPerPixel = twipsPerPixel;  // 288 dots per inch: the screen is narrower than the view
        f.form.Left = left;  // near the right edge of the first monitor, or on the second
        f.form.MouseDown(2, 0, 0, 0);
        EXPECT_EQ(f.form.Left, shown) << left;  // all of the view on its monitor, or its left part
    }
}

}  // namespace
}  // namespace zeltavor::testing
