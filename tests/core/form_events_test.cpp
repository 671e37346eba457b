#include "app/form_events.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace zeltavor::testing {
namespace {

// The real window's road for events, over the fakes: a 2220-twip instrument
// at Left and Top 1000 twips, 15 twips to the pixel.
struct Events : FakePlatform, ::testing::Test {
    FakeDesktop desktop;
    FormEvents events{platform, desktop};
    const Form1& form = events.form();
    static constexpr double kDotX = 74, kDotY = 116;  // imgDot0 in window pixels

    void SetUp() override { settings.Put("txtHeight", "2220"); }
};

TEST_F(Events, StartUpPlacesTheWindowAndRunsTheSweepThenTheRefresh) {
    const Changes started = events.Load();
    EXPECT_EQ(started.geometry, (PixelRect{67, 67, 148, 148}));
    ASSERT_TRUE(started.timer1 && started.timer2);
    EXPECT_EQ(std::tuple(started.timer1->run, started.timer2->run, started.timer2->interval), std::tuple(false, true, 30));
    EXPECT_TRUE(started.repaint && started.readingChanged);
    EXPECT_FALSE(events.FirstShow().geometry);  // the same square again
    Changes tick;
    while (!tick.timer1) tick = events.Timer2Fired();
    EXPECT_EQ(std::tuple(tick.timer1->run, tick.timer1->interval, tick.timer2->run), std::tuple(true, 100, false));
    events.Timer1Fired();  // the needle from its last sweep step onto the reading
    const Changes quiet = events.Timer1Fired();
    EXPECT_FALSE(quiet.repaint || quiet.geometry || quiet.timer1 || quiet.timer2);
    memory.load = 46;
    const Changes moved = events.Timer1Fired();
    EXPECT_TRUE(moved.readingChanged && moved.repaint);
    events.Press(1, 10, 10);  // a drag moves the window in pixels, as far as window coordinates go
    EXPECT_EQ(events.Move(1, 110, 60).geometry, (PixelRect{167, 117, 148, 148}));
    EXPECT_EQ(events.Move(1, 1e6, 10).geometry->left, 32767);
}

// Press, release, double-click, release on a dot: one click, one switch.
TEST_F(Events, ADotActsOnReleaseAndADoubleClickSwitchesOnce) {
    events.Load();
    events.Press(1, kDotX, kDotY);
    EXPECT_FALSE(events.Move(1, kDotX + 30, kDotY).geometry);  // a dot is no handle to drag by
    events.Release(1, kDotX + 30, kDotY);
    EXPECT_EQ(form.lblHDRAM.Caption, "RAM");  // released elsewhere: no click
    events.Press(1, kDotX, kDotY);
    events.Release(1, kDotX, kDotY);
    events.DoubleClick(kDotX, kDotY);
    events.Release(1, kDotX, kDotY);
    EXPECT_EQ(form.lblHDRAM.Caption, "HD");
    EXPECT_EQ(settings.writes, std::vector<std::string>{"lblHDRAM.Caption"});
    EXPECT_EQ(form.Left, 1000);  // nor does it move the window, as a double-click beside the dots does
    EXPECT_EQ(events.DoubleClick(10, 10).geometry->left, (15360 - 2220 - 10) / 15);
    const Image& dot = form.ImgDot1;  // its right and bottom edges are outside
    EXPECT_EQ(std::tuple(form.DotAt(dot.Left + dot.Width - 1, dot.Top), form.DotAt(dot.Left + dot.Width, dot.Top),
                         form.DotAt(dot.Left, dot.Top + dot.Height)), std::tuple(&dot, nullptr, nullptr));
    events.Activate(PaintedControlId::imgDot0);  // hidden now: a screen reader presses only what is there
    events.Activate(PaintedControlId::ImgDot1);
    EXPECT_TRUE(form.lblHDRAM.Caption == "RAM" && !form.Unloaded);
}

// The options by key, typing, a click, and the red cross: a click on it, not a
// press elsewhere released on it, ends the program; a press on the panel
// never drags the window.
TEST_F(Events, ThePanelTakesKeysTextAndClicksAndTheRedCrossActsOnRelease) {
    events.Load();
    EXPECT_FALSE(events.Move(0, kDotX, kDotY).cursor);  // no hand over a dot
    EXPECT_EQ(events.OptionsKey().geometry, (PixelRect{67, 67, 467, 148}));
    std::int16_t typed = 'a';
    events.KeyPress(PanelControlId::txtHeight, typed);
    EXPECT_EQ(typed, 0);
    events.Edited(PanelControlId::txtHeight, "1500");
    for (const PanelControlId none : {PanelControlId{-99}, PanelControlId{6}, PanelControlId::Monis})  // IDOK, past the end, a box
        EXPECT_FALSE(events.Click(none).geometry);
    EXPECT_EQ(events.ReturnKey(PanelControlId::txtHeight).geometry, (PixelRect{67, 67, 100, 100}));  // "weiter"
    events.OptionsKey();
    const double crossX = (2460 + 3750 + 300) / 15.0, crossY = (-60 + 1500 + 300) / 15.0;
    EXPECT_EQ(events.Move(0, (2460 + 3750) / 15.0, crossY).cursor, MousePointer::Hand);  // from its left edge
    EXPECT_EQ(events.Move(0, crossX, 20).cursor, MousePointer::Default);
    events.Press(1, crossX, 20);
    EXPECT_FALSE(events.Move(1, crossX - 100, 20).geometry);
    EXPECT_FALSE(events.Release(1, crossX, crossY).end);
    events.Press(1, crossX, crossY);
    EXPECT_FALSE(events.Release(1, 10, 10).end);
    events.Press(1, crossX, (-60 + 1500) / 15.0);  // from its top edge
    EXPECT_TRUE(events.Release(1, crossX, crossY).end);
}

// The window keeps its size in twips and its place on the screen; its
// outline is drawn anew for the density.
TEST_F(Events, AMoveToADenserMonitorRedrawsTheWindowForIt) {
    events.Load();
    EXPECT_FALSE(events.DensityChanged(5, 5).geometry);  // the same density: the window stays where it is
    screen.twipsPerPixel = 10;
    const Changes moved = events.DensityChanged(2000, 100);
    EXPECT_EQ(moved.geometry, (PixelRect{2000, 100, 222, 222}));
    EXPECT_EQ(desktop.regions.back(), (RoundRectRegion{0, 0, 222, 222, 255, 255}));
    EXPECT_TRUE(moved.repaint && moved.panel);
}

// The primary monitor right of another: places are measured from its corner,
// and a place someone else gave the window is where the next drag starts.
TEST_F(Events, TheWindowStandsOnThePrimaryMonitorAndFollowsMovesByOthers) {
    screen.origin = {1920, 0};
    EXPECT_EQ(events.Load().geometry, (PixelRect{1987, 67, 148, 148}));
    EXPECT_EQ(events.Moved(1989, 85).geometry, (PixelRect{1987, 67, 148, 148}));  // i3's frame there: asked again
    EXPECT_FALSE(events.Moved(300, 200).geometry);  // onto the monitor on the left; not sent back
    EXPECT_EQ(std::tuple(form.Left, form.Top), std::tuple(-1620 * 15, 200 * 15));
    events.Moved(2300, 200);
    events.Press(1, 10, 10);
    EXPECT_EQ(events.Move(1, 15, 15).geometry, (PixelRect{2305, 205, 148, 148}));
    EXPECT_FALSE(events.Moved(2300, 200).geometry);  // an answer lagging behind the drag
    events.Release(1, 15, 15);
    EXPECT_EQ(settings.Stored("MEMLeft") + " " + settings.Stored("MEMTOP"), "5775 3075");
}

// An unload saves size, monitors and source as they stand, an empty count too.
TEST_F(Events, AnErrorIsHandedBackWithTheTimersStoppedAndAnUnloadEndsIt) {
    events.Load();
    events.Edited(PanelControlId::Monis, "");
    settings.refuseWrites = true;
    EXPECT_FALSE(events.CloseFromOutside().end);  // refused: reported, not ended as if saved
    events.Press(1, 10, 10);
    const Changes failed = events.Release(1, 10, 10);
    ASSERT_TRUE(failed.error);
    EXPECT_EQ(failed.error->boxText, "Laufzeitfehler '75':\n\nrefused");
    EXPECT_FALSE(failed.timer1->run || failed.timer2->run);
    settings.refuseWrites = false;
    settings.writes.clear();
    EXPECT_TRUE(events.CloseFromOutside().end);
    EXPECT_EQ(settings.writes, (std::vector<std::string>{"txtHeight", "Monis", "lblHDRAM.Caption"}));
    EXPECT_EQ(settings.Stored("txtHeight") + "|" + settings.Stored("Monis"), "2220|");
    EXPECT_FALSE(events.CloseFromOutside().end);  // saved once
}

}  // namespace
}  // namespace zeltavor::testing
