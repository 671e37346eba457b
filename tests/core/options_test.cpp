#include <gtest/gtest.h>

#include "fakes.h"

namespace zeltavor::testing {
namespace {

// The options view of a running 2220-twip instrument.
class Options : public ::testing::Test {
protected:
    FormFixture f;
    void SetUp() override {
        f.settings.Put("txtHeight", "2220");
        f.form.Load();
        RunSweep(f.form);
        f.form.MouseDown(2, 0, 500, 500);
        RunSweep(f.form);
        f.settings.writes.clear();
    }
};

TEST_F(Options, WeiterCorrectsTheSize) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "1000"},     {"799", "800"},     {"800", "800"}, {"2500", "2500"},
        {"2501", "2500"}, {"99999", "2500"}, {"0", "800"},   {"0800", "0800"}};
    for (const auto& [typed, corrected] : cases) {
        f.form.txtHeight.Text = typed;
        f.form.cmd_weiter_Click();
        EXPECT_EQ(f.form.txtHeight.Text, corrected) << typed;
        EXPECT_EQ(f.settings.Stored("txtHeight"), corrected) << typed;
    }
}

TEST_F(Options, WeiterSavesTheOptionsAndReturnsToARoundInstrument) {
    f.form.txtHeight.Text = "1500";
    f.form.Monis.Text = "";  // saved as typed, even empty
    const int topmost = f.desktop.topWindowCalls;
    f.form.cmd_weiter_Click();
    EXPECT_EQ(f.settings.writes, (std::vector<std::string>{"txtHeight", "Monis", "lblHDRAM.Caption"}));
    EXPECT_EQ(f.settings.Stored("Monis"), "");
    EXPECT_EQ(f.form.Width(), 1500);
    EXPECT_EQ(f.form.Height(), 1500);
    EXPECT_EQ(f.desktop.regions.back(), (RoundRectRegion{0, 0, 100, 100, 170, 170}));
    EXPECT_EQ(f.form.CenterX, 750);
    EXPECT_EQ(f.form.SecZ.Y1, 750);
    EXPECT_NEAR(f.form.NeedleLen, 557.4324, 1e-3);
    EXPECT_TRUE(f.form.ImgMitte.Visible);
    EXPECT_EQ(f.desktop.topWindowCalls, topmost + 1);
    EXPECT_EQ(f.form.Percent, 0);
    EXPECT_NEAR(NeedleDirection(f.form), 210, 0.5);  // at 0 % until the sweep moves it
    EXPECT_FALSE(f.form.Timer1.Enabled());
    EXPECT_TRUE(f.form.Timer2.Enabled());
    EXPECT_EQ(RunSweep(f.form), 45);

    f.form.Monis.Text = "5";  // corrected only at the next start
    f.form.cmd_weiter_Click();
    EXPECT_EQ(f.settings.Stored("Monis"), "5");
}

TEST(KeyFilters, LetDigitsAndBackspaceThroughOnly) {
    FormFixture f;
    for (int code = -200; code < 400; ++code) {
        std::int16_t forSize = static_cast<std::int16_t>(code), forMonitors = forSize;
        f.form.txtHeight_KeyPress(forSize);
        f.form.Monis_KeyPress(forMonitors);
        const bool passes = (code >= '0' && code <= '9') || code == 8;
        EXPECT_EQ(forSize, passes ? code : 0) << code;
        EXPECT_EQ(forMonitors, forSize) << code;
    }
}

TEST_F(Options, DotsSwitchTheSourceSaveItAndSweepAgain) {
    f.form.imgDot0_Click();
    EXPECT_EQ(f.form.lblHDRAM.Caption, "HD");
    EXPECT_FALSE(f.form.imgDot0.Visible);
    EXPECT_TRUE(f.form.ImgDot1.Visible);
    EXPECT_EQ(f.settings.writes, (std::vector<std::string>{"lblHDRAM.Caption"}));
    EXPECT_EQ(f.settings.Stored("lblHDRAM.Caption"), "HD");
    EXPECT_EQ(f.form.Width(), 7005);  // the options view stays open
    EXPECT_EQ(f.form.Percent, 0);
    EXPECT_NEAR(NeedleDirection(f.form), 210, 0.5);
    EXPECT_EQ(f.form.lblHDRAM.Left, 1110 - 270);  // centred again under the pivot
    EXPECT_EQ(RunSweep(f.form), 96);             // the disk, 96 % used
    EXPECT_EQ(f.form.lbl_MEM.Caption, "96. %");

    f.form.ImgDot1_Click();
    EXPECT_EQ(f.form.lblHDRAM.Caption, "RAM");
    EXPECT_TRUE(f.form.imgDot0.Visible);
    EXPECT_FALSE(f.form.ImgDot1.Visible);
    EXPECT_EQ(f.settings.Stored("lblHDRAM.Caption"), "RAM");
}

TEST_F(Options, ADotClickDuringASweepStartsItAgainWithTheNewSource) {
    f.form.MouseDown(2, 0, 500, 500);
    for (int i = 0; i < 20; ++i) f.form.Timer2_Timer();
    f.form.imgDot0_Click();
    EXPECT_EQ(f.form.SweepCount, 0);
    EXPECT_EQ(RunSweep(f.form), 96);
}

TEST_F(Options, CleanUpEmptiesTheClipboardAndTouchesNothingElse) {
    f.form.MouseDown(2, 0, 500, 500);
    for (int i = 0; i < 5; ++i) f.form.Timer2_Timer();  // mid-sweep
    const auto percent = f.form.Percent;
    const auto sweep = f.form.SweepCount;
    const Line needle = f.form.SecZ;
    for (int press = 0; press < 2; ++press) {
        f.form.cmd_clear_Click();
        EXPECT_EQ(f.desktop.clipboardClears, press + 1);
        EXPECT_EQ(f.form.Label3.Caption, "Speicher aufgeräumt");
        EXPECT_EQ(f.form.Label3.ForeColor, (Rgb{255, 255, 0}));
        EXPECT_EQ(f.form.lblHDRAM.Caption, "RAM");
        EXPECT_EQ(f.form.Percent, percent);
        EXPECT_EQ(f.form.SweepCount, sweep);
        EXPECT_EQ(f.form.SecZ, needle);
        EXPECT_TRUE(f.form.Timer2.Enabled());
        EXPECT_FALSE(f.form.Timer1.Enabled());
    }
    EXPECT_TRUE(f.settings.writes.empty());
}

TEST(Autostart, CommandIsTheProgramsFolderAndName) {
    const struct {
        RunningExecutable program;
        const char* command;
    } cases[] = {{{"C:\\Tools", "Gauge", '\\'}, "C:\\Tools\\Gauge"},
                 {{"D:\\", "Gauge", '\\'}, "D:\\Gauge"},
                 {{"C:\\Program Files\\Mess Werk", "Gauge", '\\'}, "C:\\Program Files\\Mess Werk\\Gauge"},
                 {{"/opt/zeltavor", "zeltavor", '/'}, "/opt/zeltavor/zeltavor"},
                 {{"/", "zeltavor", '/'}, "/zeltavor"}};
    for (const auto& c : cases) {
        FormFixture f;
        f.desktop.executable = c.program;
        f.form.cmd_auto_Click();
        EXPECT_EQ(f.autostart.entries["Zeltavor"], c.command);
    }
    FormFixture f;
    f.desktop.executable = {"", "", '/'};  // the program's file could not be found
    f.form.cmd_auto_Click();
    EXPECT_TRUE(f.autostart.entries.empty());
    EXPECT_EQ(f.desktop.messages.back(), "Eintrag war nicht erfolgreich.");
}

// Button visibility after each click, starting from both visible.
TEST(Autostart, ButtonsShowTheOutcomeOfTheClicks) {
    FormFixture f;
    f.autostart.refuseWrite = true;
    f.form.cmd_auto_Click();
    EXPECT_EQ(f.desktop.messages.back(), "Eintrag war nicht erfolgreich.");
    EXPECT_TRUE(f.form.cmd_auto.Visible);
    EXPECT_TRUE(f.form.cmd_aus.Visible);

    f.autostart.refuseWrite = false;
    f.form.cmd_auto_Click();
    EXPECT_EQ(f.desktop.messages.back(), "Eintrag war erfolgreich.");
    EXPECT_FALSE(f.form.cmd_auto.Visible);
    EXPECT_TRUE(f.form.cmd_aus.Visible);

    f.form.cmd_aus_Click();
    EXPECT_EQ(f.desktop.messages.back(), "Eintrag gelöscht");
    EXPECT_TRUE(f.autostart.entries.empty());
    EXPECT_TRUE(f.form.cmd_auto.Visible);
    EXPECT_FALSE(f.form.cmd_aus.Visible);

    f.form.cmd_auto_Click();  // neither button is left until the next start
    EXPECT_FALSE(f.form.cmd_auto.Visible);
    EXPECT_FALSE(f.form.cmd_aus.Visible);
    EXPECT_EQ(f.desktop.messages.size(), 4u);
}

TEST(Autostart, RemovingAnEntryThatWasNotThereCountsAsDeleted) {
    FormFixture f;
    f.form.cmd_aus_Click();
    EXPECT_EQ(f.desktop.messages, (std::vector<std::string>{"Eintrag gelöscht"}));
    EXPECT_FALSE(f.form.cmd_aus.Visible);
    EXPECT_TRUE(f.form.cmd_auto.Visible);
}

TEST(Autostart, AnEntryThatCouldNotBeDeletedIsReportedAndTheButtonsStay) {
    FormFixture f;
    f.form.cmd_auto_Click();
    f.autostart.refuseRemove = true;
    f.form.cmd_aus_Click();
    EXPECT_EQ(f.desktop.messages.back(), "Eintrag konnte nicht gelöscht werden.");
    EXPECT_FALSE(f.form.cmd_auto.Visible);
    EXPECT_TRUE(f.form.cmd_aus.Visible);
    EXPECT_TRUE(f.autostart.Exists("Zeltavor"));
}

}  // namespace
}  // namespace zeltavor::testing
