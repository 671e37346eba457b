#include <gtest/gtest.h>

#include "expectations.h"
#include "fakes.h"

namespace zeltavor::testing {
namespace {

// A 2220-twip instrument on a 1024 x 768 screen at 15 twips per pixel.
class Placement : public ::testing::Test {
protected:
    FormFixture f;
    void SetUp() override {
        f.settings.Put("txtHeight", "2220");
        f.form.Load();
    }
    // Grabs the window at (100, 100) and moves the mouse so that it lands at
    // the given place before any snapping.
    void DragTo(float left, float top) {
        f.form.MouseDown(1, 0, 100, 100);
        f.form.MouseMove(1, 0, 100 + left - f.form.Left, 100 + top - f.form.Top);
    }
};

TEST_F(Placement, DraggingSnapsToTheLeftTopAndBottomEdges) {
    const struct {
        float left, top, wantLeft, wantTop;
    } drags[] = {{49, 1000, 0, 1000}, {50, 1000, 50, 1000}, {-300, 1000, 0, 1000},
                 {1000, 49, 1000, 0}, {1000, 9250, 1000, 9250}, {1000, 9251, 1000, 9300},
                 {20000, 1000, 20000, 1000}};  // nothing holds it on the right while dragging
    for (const auto& d : drags) {
        DragTo(d.left, d.top);
        EXPECT_EQ(f.form.Left, d.wantLeft) << d.left;
        EXPECT_EQ(f.form.Top, d.wantTop) << d.top;
    }
    const float left = f.form.Left;
    f.form.MouseMove(0, 0, 500, 500);  // no button held: no drag
    EXPECT_EQ(f.form.Left, left);
}

TEST_F(Placement, ReleaseStoresThePositionThenPullsItInsideTheMonitors) {
    DragTo(14000, 1500);
    f.form.MouseUp();
    EXPECT_EQ(f.settings.writes, (std::vector<std::string>{"MEMTOP", "MEMLeft"}));
    EXPECT_EQ(f.settings.Stored("MEMTOP"), "1500");
    EXPECT_EQ(f.settings.Stored("MEMLeft"), "14000");
    EXPECT_EQ(f.form.Left, 13140);
    f.form.MouseUp();
    EXPECT_EQ(f.settings.Stored("MEMLeft"), "13140");

    f.form.Monis.Text = "2";
    DragTo(14000, 1500);
    f.form.MouseUp();
    EXPECT_EQ(f.form.Left, 14000);
}

TEST_F(Placement, DoubleClickGoesToTheRightEdgeOfTheMonitors) {
    f.form.DblClick();
    EXPECT_EQ(f.form.Left, 13130);
    EXPECT_TRUE(f.settings.writes.empty());
    f.form.MouseUp();  // the release after a double-click finds nothing to correct
    EXPECT_EQ(f.form.Left, 13130);
    EXPECT_EQ(f.settings.Stored("MEMLeft"), "13130");
}

TEST_F(Placement, NoMonitorsOrAnEmptyCount) {
    f.form.Monis.Text = "0";
    f.form.MouseUp();
    EXPECT_EQ(f.form.Left, -2220);
    EXPECT_EQ(f.settings.Stored("MEMLeft"), "1000");  // stored before the correction
    f.form.DblClick();
    EXPECT_EQ(f.form.Left, -2230);

    f.form.Monis.Text = "";  // counts as one monitor
    f.form.DblClick();
    EXPECT_EQ(f.form.Left, 13130);
    DragTo(14000, 1000);
    f.form.MouseUp();
    EXPECT_EQ(f.form.Left, 13140);
}

TEST_F(Placement, RightButtonOpensTheOptionsView) {
    for (int twice = 0; twice < 2; ++twice) {  // a second press repeats it all
        f.form.MouseDown(2, 0, 300, 400);
        EXPECT_EQ(f.form.Width(), 7005);
        EXPECT_EQ(f.form.Height(), 2220);
        EXPECT_EQ(f.desktop.regions.back(), (RoundRectRegion{0, 0, 467, 148, 0, 0}));
        EXPECT_EQ(f.form.CenterX, 1110);
        EXPECT_EQ(f.form.CenterY, 1110);
        EXPECT_EQ(f.form.NeedleLen, 800);
        EXPECT_FALSE(f.form.Timer1.Enabled());
        EXPECT_TRUE(f.form.Timer2.Enabled());
        EXPECT_EQ(f.form.Timer2.Interval(), 30);
        EXPECT_EQ(f.form.SweepCount, 0);
        ExpectDialElementsAroundTheDefaultPivot(f.form);
        EXPECT_EQ(f.form.lbl_MEM.Left, 750);
        EXPECT_EQ(f.form.lbl_MEM.Top, 750);
        EXPECT_EQ(f.form.DragX, 300);
    }
    // The sweep of the options view does not reset the reading first.
    EXPECT_EQ(RunSweep(f.form), 45);
}

TEST_F(Placement, LeftPressOnlyRecordsTheGripAndRestoresTheCreditLine) {
    f.form.Label3.Caption = "Speicher aufgeräumt";
    f.form.Label3.ForeColor = {255, 255, 0};
    const size_t regions = f.desktop.regions.size();
    f.form.MouseDown(1, 0, 12.5f, 13.5f);
    EXPECT_EQ(f.form.DragX, 12);  // halves to even
    EXPECT_EQ(f.form.DragY, 14);
    EXPECT_EQ(f.form.Label3.Caption, "K.Duvenrath 01.06.2010");
    EXPECT_EQ(f.form.Label3.ForeColor, (Rgb{128, 128, 128}));
    EXPECT_EQ(f.form.Width(), 2220);
    EXPECT_EQ(f.desktop.regions.size(), regions);
    EXPECT_TRUE(f.form.Timer2.Enabled());  // the start-up sweep goes on
}

TEST(Outline, IsTakenFromTheReportedSizeAndOnlyWhenAskedFor) {
    FormFixture f;
    f.settings.Put("txtHeight", "2220");
    f.form.Load();
    EXPECT_EQ(f.desktop.regions.back(), (RoundRectRegion{0, 0, 148, 148, 170, 170}));
    f.form.SetWidth(3000);
    EXPECT_EQ(f.desktop.regions.size(), 1u);  // a size change alone keeps the outline

    FormFixture dense;  // 12 twips per pixel: 185 pixels, corners rounded only
    dense.screen.twipsPerPixel = 12;
    dense.settings.Put("txtHeight", "2220");
    dense.form.Load();
    EXPECT_EQ(dense.desktop.regions.back(), (RoundRectRegion{0, 0, 185, 185, 170, 170}));
}

}  // namespace
}  // namespace zeltavor::testing
