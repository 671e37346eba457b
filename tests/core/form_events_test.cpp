#include "frontend/form_events.h"

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
    EXPECT_FALSE(quiet.repaint || quiet.panel || quiet.geometry || quiet.outline || quiet.timer1 || quiet.timer2);
    memory.load = 46;
    const Changes moved = events.Timer1Fired();
    EXPECT_TRUE(moved.readingChanged && moved.repaint);
    keys.f12 = 1;  // a tick with the reading as it was: to the screen's top right, less 5 % of the size
    EXPECT_EQ(events.Timer1Fired().geometry, (PixelRect{869, 0, 148, 148}));
    events.Press(1, 10, 10);  // a drag moves the window in pixels, as far as window coordinates go
    EXPECT_EQ(events.Move(1, 110, 60).geometry, (PixelRect{969, 50, 148, 148}));
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
    for (const auto& [x, y] : {std::pair{66, 109}, {81, 109}, {67, 123}}) {  // just beside the dot: the window's
        events.Press(1, x, y);
        events.Release(1, x, y);
    }
    events.Press(2, 80, 122);  // the right button on its last pixel: no options view
    EXPECT_FALSE(events.Release(2, 80, 122).geometry);
    EXPECT_EQ(form.lblHDRAM.Caption, "HD");
    events.Press(1, 67, 109);  // from its first pixel to its last: a click
    events.Release(1, 80, 122);
    events.Activate(PaintedControlId::ImgDot1);  // hidden now: a screen reader presses only what is there
    events.Activate(PaintedControlId::imgDot0);
    EXPECT_TRUE(form.lblHDRAM.Caption == "HD" && !form.Unloaded);
}

// The options by key, typing, a click, and the red cross: a click on it, not a
// press elsewhere released on it, ends the program; a press on the panel
// never drags the window.
TEST_F(Events, ThePanelTakesKeysTextAndClicksAndTheRedCrossActsOnRelease) {
    events.Load();
    EXPECT_FALSE(events.Move(0, kDotX, kDotY).cursor);  // no hand over a dot
    const Changes opened = events.KeyDown({Key::Menu}).changes;
    EXPECT_TRUE((opened.geometry == PixelRect{67, 67, 467, 148} && opened.outline == RoundRectRegion{0, 0, 467, 148, 0, 0}));
    EXPECT_EQ(events.KeyDown({Key::Character, false, 'a'}).route, KeyRoute::Taken);  // in the size box
    events.Edited(PanelControlId::txtHeight, "1500");
    EXPECT_TRUE(events.Click(PanelControlId::cmd_clear).painted);  // "Speicher aufgeräumt" on the message line
    for (const PanelControlId none : {PanelControlId{-99}, PanelControlId{6}, PanelControlId::Monis})  // IDOK, past the end, a box
        EXPECT_FALSE(events.Click(none).geometry);
    EXPECT_EQ(events.KeyDown({Key::Return}).changes.geometry, (PixelRect{67, 67, 100, 100}));  // "weiter"
    EXPECT_EQ(events.KeyDown({Key::F10, true}).changes.geometry, (PixelRect{67, 67, 467, 148}));  // Shift+F10
    const double crossX = (2460 + 3750 + 300) / 15.0, crossY = (-60 + 1500 + 300) / 15.0;
    EXPECT_EQ(events.Move(0, (2460 + 3750) / 15.0, crossY).cursor, MousePointer::Hand);  // from its left edge
    EXPECT_EQ(events.Move(0, crossX, 20).cursor, MousePointer::Default);
    events.Press(1, crossX, 20);
    EXPECT_FALSE(events.Move(1, crossX - 100, 20).geometry);
    EXPECT_FALSE(events.Release(1, crossX, crossY).end);
    events.Press(1, crossX, crossY);
    EXPECT_FALSE(events.Release(1, 10, 10).end);
    events.Press(1, crossX, (-60 + 1500) / 15.0);  // from its top edge
    EXPECT_EQ(events.Release(1, crossX, crossY).end, Ending{});
}

// Tab goes round what is in view: the panel's controls, the source dot, the
// red cross and the window; Space and Return press a painted button, which
// shows it has the focus. Keys typed on the window go to the unseen size box
// through its filter; a paste is taken whole or not at all.
TEST_F(Events, TabReachesEveryControlAndKeysPressWhatHasTheFocus) {
    events.Load();
    EXPECT_EQ(events.KeyDown({Key::Character, false, '7'}).route, KeyRoute::ToSizeBox);
    EXPECT_EQ(events.KeyDown({Key::Character, false, 'x'}).route, KeyRoute::Taken);
    EXPECT_EQ(events.KeyDown({Key::Character, false, 8}).route, KeyRoute::ToSizeBox);  // backspace
    EXPECT_EQ(events.KeyDown({Key::Character, false, 22}).route, KeyRoute::Native);  // Ctrl+V
    const std::size_t drawn = events.view().drawn.size();
    EXPECT_EQ(events.KeyDown({Key::Tab}).changes.focus, Focus(PaintedControlId::imgDot0));
    EXPECT_EQ(events.view().drawn.size(), drawn + 4);  // its frame of four lines, one pixel wide
    EXPECT_EQ(std::get<DrawnFill>(events.view().drawn.back()), (DrawnFill{{80, 109, 1, 14}, {0, 0, 0}}));  // the right edge
    events.KeyDown({Key::Menu});  // the size box has the focus: Tab goes on from there
    std::vector<Focus> round;
    for (int i = 0; i < 9; ++i) round.push_back(*events.KeyDown({Key::Tab}).changes.focus);
    EXPECT_EQ(round, (std::vector<Focus>{PanelControlId::cmd_weiter, PanelControlId::Monis, PanelControlId::cmd_auto,
                                         PanelControlId::cmd_aus, PanelControlId::cmd_clear, PaintedControlId::imgDot0,
                                         PaintedControlId::cmd_EXIT, Focus(), PanelControlId::txtHeight}));
    for (int back = 0; back < 3; ++back) events.KeyDown({Key::Tab, true});  // onto the dot: Space switches to HD, and the focus goes to the size box
    const KeyOutcome switched = events.KeyDown({Key::Space});
    EXPECT_EQ(std::tuple(form.lblHDRAM.Caption, switched.changes.focus), std::tuple("HD", Focus(PanelControlId::txtHeight)));
    EXPECT_TRUE(events.Accepts(PanelControlId::txtHeight, "1990") && !events.Accepts(PanelControlId::txtHeight, "25.0"));
    EXPECT_FALSE(events.Accepts(PanelControlId::txtHeight, "250000") || events.Accepts(PanelControlId::Monis, "123"));  // too long
    EXPECT_TRUE(events.Accepts(PanelControlId::Monis, "12") && !events.Accepts(PanelControlId::Monis, "-1"));
    events.FocusMoved(PanelControlId::cmd_weiter);
    EXPECT_EQ(events.KeyDown({Key::Character, false, '5'}).route, KeyRoute::Native);  // a button's, not the box's
    events.FocusMoved(PanelControlId::cmd_aus);
    const KeyOutcome pressed = events.KeyDown({Key::Return});  // the button is pressed; its box after that
    EXPECT_EQ(pressed.changes.messages, std::vector<std::string>{"Eintrag gelöscht"});
    EXPECT_FALSE(events.view().panel.at(4).visible);
    EXPECT_EQ(pressed.changes.focus, Focus(PanelControlId::txtHeight));
    events.FocusMoved(std::nullopt);
    events.KeyDown({Key::Tab, true});
    EXPECT_EQ(events.KeyDown({Key::Return}).changes.end, Ending{});  // the red cross
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
    events.DisplayChanged();  // then the window manager moves it for the screen as it was
    EXPECT_EQ(events.Moved(1920 + 1010, 754).geometry, (PixelRect{1920 + 876, 620, 148, 148}));
}

// An unload saves size, monitors and source as they stand, an empty count
// too. An error ends the program after its box; a close from outside while
// the box is open ends it at once, and one with nobody there shows no box.
TEST_F(Events, AnUnloadSavesAndAnErrorEndsTheProgramAfterItsBox) {
    events.Load();
    events.Edited(PanelControlId::Monis, "");
    EXPECT_EQ(events.CloseFromOutside().end, Ending{});
    EXPECT_EQ(settings.writes, (std::vector<std::string>{"txtHeight", "Monis", "lblHDRAM.Caption"}));
    EXPECT_EQ(settings.Stored("txtHeight") + "|" + settings.Stored("Monis"), "2220|");
    EXPECT_FALSE(events.CloseFromOutside().end);  // saved once
    settings.refuseWrites = true;
    FormEvents failing{platform, desktop};
    failing.Load();
    failing.Press(1, 10, 10);
    const Changes failed = failing.Release(1, 10, 10);
    EXPECT_EQ(failed.end, (Ending{1, "zeltavor: Laufzeitfehler 75: refused\n", "Laufzeitfehler '75':\n\nrefused"}));
    EXPECT_FALSE(failed.timer1->run || failed.timer2->run);
    EXPECT_EQ(failing.CloseFromOutside().end, (Ending{1, {}, {}}));
    FormEvents closed{platform, desktop};
    closed.Load();
    const Changes refused = closed.CloseFromOutside();
    EXPECT_EQ(refused.end, (Ending{1, "zeltavor: Laufzeitfehler 75: refused\n", ""}));
}

// A front-end follows Changes in one order: the timers, then the end (its
// line, its box) or the place, outline, panel, paint, cursor, focus, and the
// boxes last.
TEST(ApplyChanges, FollowsTheOrderThatKeepsTheWindowRight) {
    struct Recorder final : ChangesTarget {
        std::string calls;
        void RunTimer(int timer, const TimerOrder&) override { calls += "timer" + std::to_string(timer) + " "; }
        void End(int status) override { calls += "end" + std::to_string(status) + " "; }
        void Place(const PixelRect&) override { calls += "place "; }
        void ShapeWindow(const RoundRectRegion&) override { calls += "outline "; }
        void FollowPanel() override { calls += "panel "; }
        void Repaint() override { calls += "paint "; }
        void ShowCursor(MousePointer) override { calls += "cursor "; }
        void TakeFocus(const Focus&) override { calls += "focus "; }
        void ShowMessage(std::string_view text) override { calls += std::string(text) + " "; }
    } target;
    Changes all{PixelRect{}, RoundRectRegion{}, TimerOrder{}, TimerOrder{}, true, true, false, true, MousePointer::Hand, Focus{},
                {"box"}, std::nullopt};
    ApplyChanges(all, target);
    all.end = Ending{1, "", "error"};
    ApplyChanges(all, target);
    EXPECT_EQ(target.calls, "timer1 timer2 place outline panel paint cursor focus box timer1 timer2 error end1 ");
}

}  // namespace
}  // namespace zeltavor::testing
