#include "app/form_events.h"

#include <gtest/gtest.h>

#include <cmath>

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
    EXPECT_TRUE(events.Timer1Fired().readingChanged);
}

TEST_F(Events, ADragMovesTheWindowAndTheReleaseSavesItsPlace) {
    events.Load();
    events.Press(1, 10, 10);
    EXPECT_EQ(events.Move(1, 110, 60).geometry, (PixelRect{167, 117, 148, 148}));
    events.Release(1, 110, 60);
    EXPECT_EQ(settings.Stored("MEMLeft") + " " + settings.Stored("MEMTOP"), "2500 1750");
    events.form().Left = 1e9;  // beyond what window coordinates hold
    EXPECT_EQ(events.Geometry().left, 32767);
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
    EXPECT_EQ(events.form().DotAt(dot.Left + dot.Width - 1, dot.Top), &dot);
    EXPECT_EQ(events.form().DotAt(dot.Left + dot.Width, dot.Top), nullptr);
    EXPECT_EQ(events.form().DotAt(dot.Left, dot.Top + dot.Height), nullptr);
}

TEST_F(Events, AnErrorIsHandedBackWithTheTimersStoppedAndAnUnloadEndsIt) {
    events.Load();
    settings.refuseWrites = true;
    const Changes failed = events.Release(1, 10, 10);
    ASSERT_TRUE(failed.error);
    EXPECT_EQ(failed.error->number(), 75);
    EXPECT_FALSE(failed.timer1->run || failed.timer2->run);
    settings.refuseWrites = false;
    EXPECT_TRUE(events.CloseFromOutside().end);
    EXPECT_EQ(settings.Stored("txtHeight"), "2220");
    EXPECT_FALSE(events.CloseFromOutside().end);  // saved once
}

// A day on a clock of 10 ms steps that runs the timers as the records order
// them, with the user at it now and then: the readings move, the disk fails
// for a while, the options change, the window is dragged.
TEST_F(Events, ADayOfEventsKeepsTheGaugeSound) {
    long due[2] = {0, 0}, every[2] = {0, 0}, refreshes = 0;  // milliseconds; 0: stopped
    const auto follow = [&](const Changes& changes, long now) {
        ASSERT_FALSE(changes.error) << changes.error->what();
        for (int t : {0, 1})
            if (const auto& order = t ? changes.timer2 : changes.timer1) due[t] = now + (every[t] = order->run ? order->interval : 0);
    };
    follow(events.Load(), 0);
    Form1& f = events.form();
    for (long now = 10; now < 86'400'000; now += 10) {
        if (const long minute = now / 60'000; now % 60'000 == 0) {
            memory.load = static_cast<std::uint32_t>((minute * 37) % 101);
            drives.geometry = minute % 97 ? std::optional(DiskGeometry{1, 4096, 1'000'000u + static_cast<unsigned>(minute), 25'000'000}) : std::nullopt;
            if (minute % 60 == 7) follow(events.Run([&] { f.imgDot0.Visible ? f.imgDot0_Click() : f.ImgDot1_Click(); }), now);
            if (minute % 60 == 19) follow(events.Press(1, 30, 30), now), follow(events.Move(1, 30 + minute % 20, 20), now), follow(events.Release(1, 30, 20), now);
            if (minute % 60 == 31) follow(events.Press(2, 20, 20), now), follow(events.Release(2, 20, 20), now);
            if (minute % 60 == 43) f.txtHeight.Text = std::to_string(700 + minute % 2000), follow(events.Run([&] { f.cmd_weiter_Click(); }), now);
            if (minute % 60 == 55) follow(events.DoubleClick(10, 10), now), follow(events.Release(1, 10, 10), now);
            ASSERT_NE(form.Timer1.Enabled(), form.Timer2.Enabled()) << "minute " << minute;
            ASSERT_TRUE(form.Percent >= 0 && form.Percent <= 100) << "minute " << minute;
            ASSERT_LE(std::hypot(form.SecZ.X2 - form.SecZ.X1, form.SecZ.Y2 - form.SecZ.Y1), 826);
        }
        for (int t : {1, 0})
            if (every[t] && now >= due[t]) refreshes += t == 0, follow(t ? events.Timer2Fired() : events.Timer1Fired(), now);
    }
    EXPECT_GT(refreshes, 800'000);  // nearly a day of refreshes at 100 ms
}

}  // namespace
}  // namespace zeltavor::testing
