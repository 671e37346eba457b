#include <gtest/gtest.h>

#include "fakes.h"

namespace zeltavor::testing {
namespace {

// The options view of a running 2220-twip instrument.
class Options : public ::testing::Test {
protected:
    LoadedForm f{{"txtHeight", "2220"}};
    void SetUp() override {
        f.form.MouseDown(2, 0, 500, 500);
        RunSweep(f.form);
        f.settings.writes.clear();
    }
};

TEST_F(Options, WeiterCorrectsTheSizeSavesTheOptionsAndReturnsToARoundInstrument) {
    for (const auto& [typed, corrected] : {std::pair{"", "1000"}, {"799", "800"}, {"800", "800"}, {"2500", "2500"},
                                           {"2501", "2500"}, {"0", "800"}, {"0800", "0800"}}) {
        f.form.txtHeight.Text = typed;
        f.form.cmd_weiter_Click();
        EXPECT_EQ(f.form.txtHeight.Text + " " + f.settings.Stored("txtHeight"), std::string(corrected) + " " + corrected);
    }
    f.settings.writes.clear();
    f.form.txtHeight.Text = "1995";
    f.form.Monis.Text = "";  // saved as typed, even empty
    const int topmost = f.desktop.topWindowCalls;
    f.form.cmd_weiter_Click();
    EXPECT_EQ(f.settings.writes, (std::vector<std::string>{"txtHeight", "Monis", "lblHDRAM.Caption"}));
    EXPECT_EQ(f.settings.Stored("Monis"), "");
    EXPECT_EQ(f.form.Outline, (RoundRectRegion{0, 0, 133, 133, 170, 170}));
    // Pivot, needle, hub, dots and labels of the square: the source label 1995 / 6 = 332.5 below, halved to even.
    EXPECT_EQ(std::tuple(f.form.Width(), f.form.Height(), f.form.CenterX, f.form.CenterY, f.form.SecZ.X1, f.form.SecZ.Y1),
              std::tuple(1995, 1995, 997.5, 997.5, 997.5, 997.5));
    EXPECT_NEAR(f.form.NeedleLen, 741.3851, 1e-3);
    EXPECT_EQ(std::tuple(f.form.ImgMitte.Left, f.form.ImgMitte.Top, f.form.imgDot0.Left, f.form.imgDot0.Top, f.form.ImgDot1.Top),
              std::tuple(877.5, 877.5, 892.5, 1462.5, 1462.5));
    EXPECT_EQ(std::tuple(f.form.lblHDRAM.Left, f.form.lblHDRAM.Top, f.form.lbl_MEM.Left, f.form.lbl_MEM.Top),
              std::tuple(727.5, 1217, 615, 682.5));
    EXPECT_TRUE(f.form.ImgMitte.Visible);
    EXPECT_EQ(f.desktop.topWindowCalls, topmost + 1);
    EXPECT_NEAR(NeedleDirection(f.form), 210, 0.5);  // at 0 % until the sweep moves it
    EXPECT_EQ(RunSweep(f.form), 45);
}

TEST_F(Options, CleanUpEmptiesTheClipboardAndTouchesNothingElse) {
    f.form.MouseDown(2, 0, 500, 500);
    for (int i = 0; i < 5; ++i) f.form.Timer2_Timer();  // mid-sweep
    const auto before = std::tuple(f.form.SweepCount, f.form.SecZ, f.form.Timer2.Enabled(), f.form.lblHDRAM.Caption);
    f.form.cmd_clear_Click();
    EXPECT_TRUE(f.form.Label3.Caption == "Speicher aufgeräumt" && f.form.Label3.ForeColor == (Rgb{255, 255, 0}));
    EXPECT_EQ(std::tuple(f.form.SweepCount, f.form.SecZ, f.form.Timer2.Enabled(), f.form.lblHDRAM.Caption), before);
    f.form.MouseDown(1, 0, 500, 500);
    f.desktop.clipboardHeld = true;  // open in another program: not emptied, nothing claimed
    f.form.cmd_clear_Click();
    EXPECT_TRUE(f.form.Label3.Caption == kCreditLine && f.desktop.clipboardClears == 1 && f.settings.writes.empty());
}

// What each click says, which buttons stay (starting from both visible), and the entry's command.
TEST(Autostart, EntriesStartTheProgramAndTheButtonsShowTheOutcome) {
    FormFixture f;
    const auto after = [&](void (Form1::*click)(), const char* message, bool autoShown, bool ausShown) {
        (f.form.*click)();
        EXPECT_EQ(f.form.Messages.back(), message);
        EXPECT_EQ(std::pair(f.form.cmd_auto.Visible, f.form.cmd_aus.Visible), std::pair(autoShown, ausShown)) << message;
    };
    after(&Form1::cmd_aus_Click, "Eintrag gelöscht", true, false);  // nothing there counts as deleted
    f.form.cmd_aus.Visible = true;
    f.desktop.executable = {"", "", '/'};  // the program's file could not be found
    after(&Form1::cmd_auto_Click, "Eintrag war nicht erfolgreich.", true, true);
    f.desktop.executable = {"D:\\", "Gauge.exe", '\\'};
    f.autostart.refuseWrite = true;
    after(&Form1::cmd_auto_Click, "Eintrag war nicht erfolgreich.", true, true);
    f.autostart.refuseWrite = false;
    after(&Form1::cmd_auto_Click, "Eintrag war erfolgreich.", false, true);
    EXPECT_EQ(f.autostart.entries["Zeltavor"], "D:\\Gauge.exe");  // the folder and the name, one separator between
    f.autostart.refuseRemove = true;
    after(&Form1::cmd_aus_Click, "Eintrag konnte nicht gelöscht werden.", false, true);
    f.autostart.refuseRemove = false;
    after(&Form1::cmd_aus_Click, "Eintrag gelöscht", true, false);
    EXPECT_TRUE(f.autostart.entries.empty());
    f.desktop.executable = {"/opt/zeltavor", "zeltavor", '/'};
    after(&Form1::cmd_auto_Click, "Eintrag war erfolgreich.", false, false);  // neither is left until the next start
    EXPECT_EQ(f.autostart.entries["Zeltavor"], "/opt/zeltavor/zeltavor");
}

}  // namespace
}  // namespace zeltavor::testing
