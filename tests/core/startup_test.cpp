#include <gtest/gtest.h>

#include "app/errors.h"
#include "app/scene.h"
#include "fakes.h"

namespace zeltavor::testing {
namespace {

TEST(Load, FirstStartWithAnEmptyStore) {
    FormFixture f;
    f.form.Load();
    EXPECT_EQ(f.form.lblHDRAM.Caption, "RAM");
    EXPECT_TRUE(f.form.imgDot0.Visible);
    EXPECT_FALSE(f.form.ImgDot1.Visible);
    EXPECT_EQ(f.form.Monis.Text, "1");
    EXPECT_EQ(f.form.txtHeight.Text, "1200");
    EXPECT_EQ(f.form.Left, 1000);
    EXPECT_EQ(f.form.Top, 1000);
    EXPECT_EQ(f.form.Width(), 1200);
    EXPECT_EQ(f.form.Height(), 1200);
    EXPECT_EQ(f.form.BackgroundPicture, Picture::DialFace);
    EXPECT_EQ(f.form.CenterX, 600);
    EXPECT_EQ(f.form.SecZ.Y1, 600);
    ASSERT_EQ(f.desktop.regions.size(), 1u);
    EXPECT_EQ(f.desktop.regions[0], (RoundRectRegion{0, 0, 80, 80, 170, 170}));
    EXPECT_EQ(f.desktop.topWindowCalls, 1);
    EXPECT_TRUE(f.form.Timer2.Enabled());
    EXPECT_EQ(f.form.Timer1.Interval(), 100);
    EXPECT_TRUE(f.settings.writes.empty());  // start-up only reads
}

TEST(Load, CorrectsWhatIsStored) {
    const struct {
        const char *key, *stored, *want;
    } cases[] = {{"txtHeight", "abc", "2220"}, {"txtHeight", "", "2220"},  // empty is a value, not missing
                 {"txtHeight", "500", "800"},  {"txtHeight", "9000", "2500"}, {"txtHeight", "0800", "0800"},
                 {"Monis", "7", "2"},          {"Monis", "0", "0"},
                 {"Monis", "", "1"},  // an emptied box counts as missing
                 {"Monis", "zwei", "1"},       {"Monis", "-3", "1"},  // no count the panel can type
                 {"lblHDRAM.Caption", "hd", "hd"}};
    for (const auto& c : cases) {
        FormFixture f;
        f.settings.Put(c.key, c.stored);
        f.form.Load();
        const std::string key = c.key;
        const std::string& got = key == "txtHeight" ? f.form.txtHeight.Text
                                 : key == "Monis"   ? f.form.Monis.Text
                                                    : f.form.lblHDRAM.Caption;
        EXPECT_EQ(got, c.want) << c.key << "=" << c.stored;
    }
}

TEST(Load, PositionIsCorrectedAtTheTopAndTheRightOnly) {
    FormFixture f;
    f.settings.Put("MEMTOP", "-500");
    f.settings.Put("MEMLeft", "40000");
    f.screen.widthPixels = 1920;  // one monitor of 28800 twips
    f.form.Load();
    EXPECT_EQ(f.form.Top, 100);
    EXPECT_EQ(f.form.Left, 27600);

    FormFixture below;
    below.settings.Put("MEMTOP", "99000");  // beyond the bottom: used as it is
    below.settings.Put("MEMLeft", "-45");
    below.form.Load();
    EXPECT_EQ(below.form.Top, 99000);
    EXPECT_EQ(below.form.Left, -45);

    FormFixture top;
    top.settings.Put("MEMTOP", "0");  // the top edge itself is no negative Top
    top.form.Load();
    EXPECT_EQ(top.form.Top, 0);
}

TEST(Load, NoMonitorsPutTheWindowLeftOfTheScreen) {
    FormFixture f;
    f.settings.Put("Monis", "0");
    f.form.Load();
    EXPECT_EQ(f.form.Left, -1200);
}

TEST(Load, UnusablePositionsCountAsMissing) {
    for (const char* stored : {"", "links", "1e300", "3e9", "2147483520", "-2147483520", "12,5"}) {
        FormFixture f;
        f.settings.Put("MEMTOP", stored);
        f.settings.Put("MEMLeft", stored);
        f.form.Load();
        EXPECT_EQ(f.form.Top, 1000) << stored;
        EXPECT_EQ(f.form.Left, 1000) << stored;
        f.form.MouseDown(1, 0, 0, 0);
        f.form.MouseMove(1, 0, 5000, 5000);  // a drag from there stays in range
        EXPECT_EQ(f.form.Left, 6000) << stored;
        EXPECT_EQ(f.form.Top, 6000) << stored;
    }
}

TEST(Load, CaptionChoosesDotAndSource) {
    FormFixture hd;
    hd.settings.Put("lblHDRAM.Caption", "HD");
    hd.form.Load();
    EXPECT_FALSE(hd.form.imgDot0.Visible);
    EXPECT_TRUE(hd.form.ImgDot1.Visible);

    FormFixture other;
    other.settings.Put("lblHDRAM.Caption", "hd");
    other.form.Load();
    EXPECT_TRUE(other.form.imgDot0.Visible);
    EXPECT_FALSE(other.form.ImgDot1.Visible);
    other.form.Timer2_Timer();
    EXPECT_EQ(other.memory.queries, 0);  // measures the disk
    EXPECT_EQ(other.form.lbl_MEM.Caption, "96. %");

    // A hand-edited caption of any length is kept whole, yet what a front-end
    // copies and compares at every tick is only what a label can show.
    FormFixture huge;
    huge.settings.Put("lblHDRAM.Caption", std::string(20'000'000, 'x'));
    huge.form.Load();
    const Scene scene = SceneOf(huge.form);
    EXPECT_EQ(scene.lblHDRAM.Caption, std::string(kShownCaptionLength, 'x'));
    huge.form.lblHDRAM.Caption.back() = 'y';
    EXPECT_EQ(SceneOf(huge.form), scene);
    huge.form.Unload();
    EXPECT_EQ(huge.settings.Stored("lblHDRAM.Caption").size(), 20'000'000u);
}

TEST(Unload, SavesSizeMonitorsAndSourceAsTheyStand) {
    FormFixture f;
    f.form.Load();
    f.form.Monis.Text = "";
    f.form.txtHeight.Text = "1500";
    f.form.cmd_EXIT_Click();
    EXPECT_EQ(f.settings.writes, (std::vector<std::string>{"txtHeight", "Monis", "lblHDRAM.Caption"}));
    EXPECT_EQ(f.settings.Stored("txtHeight"), "1500");
    EXPECT_EQ(f.settings.Stored("Monis"), "");
    EXPECT_EQ(f.settings.Stored("lblHDRAM.Caption"), "RAM");
    EXPECT_EQ(f.settings.Stored("MEMTOP"), "<missing>");
    EXPECT_TRUE(f.form.Unloaded);
}

TEST(Unload, ARefusedWriteIsAnErrorNotASilentLoss) {
    FormFixture f;
    f.form.Load();
    f.settings.refuseWrites = true;
    EXPECT_THROW(f.form.Unload(), RuntimeError);
    EXPECT_FALSE(f.form.Unloaded);
}

}  // namespace
}  // namespace zeltavor::testing
