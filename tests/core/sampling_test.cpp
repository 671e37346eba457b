#include <gtest/gtest.h>

#include "fakes.h"
#include "gauge/module1.h"

namespace zeltavor::testing {
namespace {

TEST(DriveSpace, FourKilobyteClustersGiveTheKnownFigures) {
    FakeDrives drives;
    EXPECT_EQ(Module1::DiskFreeSpace(drives, "C:", true, false), Currency::FromScaled(38086));
    EXPECT_EQ(Module1::DiskTotalSpace(drives, "C:", true, false), Currency::FromScaled(952148));
    EXPECT_EQ(Module1::DiskFreeSpace(drives, "C:", false, false), Currency::FromScaled(39'000'000));
    EXPECT_EQ(Module1::DiskTotalSpace(drives, "C:", false, false), Currency::FromScaled(975'000'000));
    EXPECT_EQ(Module1::DiskFreeSpace(drives, "C:", true, true), Currency::FromScaled(30000));
    EXPECT_EQ(Module1::DiskTotalSpace(drives, "C:", true, true), Currency::FromScaled(950000));
}

TEST(DriveSpace, OnlyTheFirstTwoCharactersChooseTheDriveAndItStaysCurrent) {
    FakeDrives drives;
    EXPECT_TRUE(Module1::DiskTotalSpace(drives, "C:\\Windows", true, false));
    EXPECT_EQ(drives.current, "C:");
    EXPECT_FALSE(Module1::DiskTotalSpace(drives, "D:", true, false));
}

TEST(DriveSpace, FailedOrUnrepresentableQueriesGiveNoFigure) {
    FakeDrives drives;
    drives.geometry.reset();
    EXPECT_FALSE(Module1::DiskFreeSpace(drives, "C:", true, false));
    // A count no real disk has: beyond the fixed-point range, not wrapped round.
    drives.geometry = DiskGeometry{1, 65536, 1, 1ull << 62};
    EXPECT_FALSE(Module1::DiskTotalSpace(drives, "C:", true, false));
    drives.geometry = DiskGeometry{1ull << 40, 1ull << 40, 1, 1};
    EXPECT_FALSE(Module1::DiskTotalSpace(drives, "C:", true, false));
}

TEST(MemoryCheck, CaptionShowsTheWholeLoad) {
    FormFixture f;
    for (const auto& [load, caption] : {std::pair{45u, "45 %"}, {7u, "7 %"}, {100u, "100 %"}, {0u, " %"}}) {
        f.memory.load = load;
        f.form.MemoryCheck();
        EXPECT_EQ(f.form.Percent, load);
        EXPECT_EQ(f.form.lbl_MEM.Caption, caption);
    }
}

TEST(DiskCheck, UsedShareWithTheLocalesSeparator) {
    FormFixture f;
    f.form.lblHDRAM.Caption = "HD";
    f.form.Timer2_Timer();  // samples the disk, as every tick does
    EXPECT_DOUBLE_EQ(f.form.Percent, 95.99999159794486);
    EXPECT_EQ(f.form.lbl_MEM.Caption, "96. %");

    f.platform.locale = {","};
    f.drives.geometry = DiskGeometry{8, 512, 26'214'400 / 4, 26'214'400};
    f.form.Timer2_Timer();
    EXPECT_DOUBLE_EQ(f.form.Percent, 74.99999999999999);
    EXPECT_EQ(f.form.lbl_MEM.Caption, "75, %");
}

TEST(FailedReading, ShowsNoNumberAndTheNextTickTriesAgain) {
    FormFixture f;
    f.settings.Put("lblHDRAM.Caption", "HD");
    f.form.Load();
    f.drives.geometry.reset();
    EXPECT_EQ(RunSweep(f.form), 1);  // no reading: the sweep ends at once
    f.form.Timer1_Timer();
    EXPECT_EQ(f.form.lbl_MEM.Caption, "– %");
    EXPECT_EQ(f.form.Percent, 0);
    EXPECT_NEAR(NeedleDirection(f.form), 210, 0.5);  // at rest, not a reading

    f.drives.geometry = DiskGeometry{1, 4096, 1'000'000, 25'000'000};
    f.form.Timer1_Timer();
    EXPECT_EQ(f.form.lbl_MEM.Caption, "96. %");

    f.drives.geometry = DiskGeometry{1, 4096, 26'000'000, 25'000'000};  // more free than in all
    f.form.Timer1_Timer();
    EXPECT_EQ(f.form.lbl_MEM.Caption, "– %");

    f.form.lblHDRAM.Caption = "RAM";
    f.memory.load.reset();
    f.form.Timer1_Timer();
    EXPECT_EQ(f.form.lbl_MEM.Caption, "– %");
}

}  // namespace
}  // namespace zeltavor::testing
