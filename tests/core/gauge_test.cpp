#include <gtest/gtest.h>

#include "runtime/errors.h"
#include "fakes.h"
#include "gauge/module1.h"

namespace zeltavor::testing {
namespace {

// Percent to the needle's direction on the dial, and the tip's place in twips.
TEST(Needle, PercentagesPointAtTheirDialStepsFromThePivot) {
    FormFixture f;
    f.form.CenterX = f.form.CenterY = f.form.SecZ.X1 = f.form.SecZ.Y1 = 1110;
    f.form.NeedleLen = 825;
    for (const auto& [percent, direction] : {std::pair{0.0, 210.0}, {1, 216}, {41.66, 0}, {45, 12}, {50, 30},
                                             {60, 66}, {61, 66}, {70, 90}, {80, 108}, {99, 150}, {100, 150}}) {
        f.form.Drehen(ScalePosition(Compress(percent)));
        EXPECT_NEAR(NeedleDirection(f.form), direction, 0.5) << percent << " %";
    }
    f.form.NeedleLen = 800;
    const auto tip = [&](double position) {
        f.form.Drehen(position);
        return std::tuple(f.form.SecZ.X1, f.form.SecZ.Y1, f.form.SecZ.X2, f.form.SecZ.Y2);
    };
    EXPECT_EQ(tip(-60), std::tuple(1110, 1110, 1110, 310));
    EXPECT_EQ(tip(-45), std::tuple(1110, 1110, 1910, 1111));  // the floor of a cosine just below 0 is one twip
    EXPECT_EQ(tip(-84.5), tip(-83.5));  // both halves round to step -84
    EXPECT_THROW(f.form.Drehen(40000), RuntimeError);
}

// Ticks until the hand-over, the needle's last place during the sweep, and
// where the first refresh tick puts it.
TEST(Sweep, EndsWhenTheCounterReachesTheReading) {
    const struct { const char* caption; std::uint32_t memoryLoad; int ticks; double lastSweepDirection, firstRefreshDirection; } cases[] = {
        {"RAM", 45, 45, 6, 12}, {"RAM", 0, 1, 171.5, 210}, {"RAM", 1, 1, 171.5, 216},  // never moved
        {"RAM", 80, 80, 132, 108},  // beyond the reading, then back
        {"HD", 0, 96, 192, 144}, {"ram", 45, 96, 192, 144}};  // any caption but "RAM": the disk
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + " " + std::to_string(c.memoryLoad));
        LoadedForm f{{"lblHDRAM.Caption", c.caption}};
        f.memory.load = c.memoryLoad;
        f.drives.geometry = DiskGeometry{1, 4096, 1'175'000, 25'000'000};  // 95.3 % used
        f.form.Load();  // again, with these readings
        EXPECT_EQ(RunSweep(f.form), c.ticks);
        EXPECT_EQ(std::pair(f.form.Timer1.Interval(), f.form.Timer1.Enabled()), std::pair(100, true));
        EXPECT_NEAR(NeedleDirection(f.form), c.lastSweepDirection, 0.5);
        f.form.Timer1_Timer();
        EXPECT_NEAR(NeedleDirection(f.form), c.firstRefreshDirection, 0.5);
        EXPECT_EQ(f.memory.queries == 0, c.caption != std::string("RAM"));
        EXPECT_EQ(std::pair(f.form.imgDot0.Visible, f.form.ImgDot1.Visible), std::pair(c.caption != std::string("HD"), c.caption == std::string("HD")));
    }
}

// What each reading shows, a failed one included: no number, the needle at
// rest, and the next tick asks again.
TEST(Readings, ShowTheLoadOrTheUsedShareOrNoNumber) {
    LoadedForm f;
    const auto shown = [&] {
        f.form.Timer1_Timer();
        return std::pair(f.form.Percent, f.form.lbl_MEM.Caption);
    };
    for (const auto& [load, percent, caption] : {std::tuple{45u, 45.0, "45 %"}, {100u, 84.0, "100 %"}, {0u, 0.0, " %"}}) {
        f.memory.load = load;  // above 60 %, the dial takes 0.6 of the rest
        EXPECT_EQ(shown(), std::pair(percent, std::string(caption)));
    }
    f.memory.load.reset();
    EXPECT_EQ(shown(), std::pair(0.0, std::string("– %")));
    EXPECT_NEAR(NeedleDirection(f.form), 210, 0.5);
    f.form.lblHDRAM.Caption = "HD";
    EXPECT_EQ(shown().second, "96. %");
    EXPECT_NEAR(f.form.Percent, 81.6, 1e-5);
    f.platform.locale = {","};
    f.drives.geometry = DiskGeometry{8, 512, 26'214'400 / 4, 26'214'400};
    EXPECT_EQ(shown().second, "75, %");
    f.drives.geometry = DiskGeometry{1, 4096, 25'000'000, 25'000'000};  // all of it free
    EXPECT_EQ(shown(), std::pair(0.0, std::string(", %")));
    for (auto failing : {std::optional<DiskGeometry>{}, std::optional(DiskGeometry{1, 4096, 26'000'000, 25'000'000}),
                         std::optional(DiskGeometry{1, 4096, 0, 0})}) {
        f.drives.geometry = failing;  // none, more free than in all, or no room at all
        EXPECT_EQ(shown(), std::pair(0.0, std::string("– %")));
    }
}

TEST(DriveSpace, ClusterFiguresInMegabytesOrNoFigure) {
    FakeDrives drives;
    const auto total = [&](bool inGB) { return Module1::DiskTotalSpace(drives, "C:", inGB); };
    const auto figures = [&](bool inGB) {  // free and total, scaled by 10000
        return std::pair(Module1::DiskFreeSpace(drives, "C:\\Windows", inGB)->scaled(), total(inGB)->scaled());
    };
    EXPECT_EQ(figures(true), (std::pair<std::int64_t, std::int64_t>(38086, 952148)));
    EXPECT_EQ(figures(false), (std::pair<std::int64_t, std::int64_t>(39'000'000, 975'000'000)));
    EXPECT_EQ(drives.current, "C:");  // the first two characters choose the drive
    EXPECT_FALSE(Module1::DiskTotalSpace(drives, "D:", true));
    // Counts no real disk has: beyond the fixed-point range, not wrapped round.
    for (const auto geometry : {DiskGeometry{1, 65536, 1, 1ull << 62}, DiskGeometry{1ull << 40, 1ull << 40, 1, 1}}) {
        drives.geometry = geometry;
        EXPECT_FALSE(total(true));
    }
}

}  // namespace
}  // namespace zeltavor::testing
