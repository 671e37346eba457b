#include <gtest/gtest.h>

#include "app/errors.h"
#include "fakes.h"

namespace zeltavor::testing {
namespace {

// Percent, then the needle's direction on the dial as the scale table gives it.
TEST(Scale, PercentagesPointAtTheirDialSteps) {
    FormFixture f;
    f.form.CenterX = f.form.CenterY = f.form.SecZ.X1 = f.form.SecZ.Y1 = 1110;
    f.form.NeedleLen = 825;
    const struct {
        double percent, direction;
    } table[] = {{0, 210}, {1, 216}, {41.66, 0}, {45, 12}, {50, 30}, {60, 66},
                 {61, 66}, {70, 90}, {80, 108}, {99, 150}, {100, 150}};
    for (const auto& row : table) {
        f.form.Drehen(ScalePosition(Compress(row.percent)));
        EXPECT_NEAR(NeedleDirection(f.form), row.direction, 0.5) << row.percent << " %";
    }
}

TEST(Scale, CompressionStartsAboveSixty) {
    EXPECT_EQ(Compress(60), 60);
    EXPECT_DOUBLE_EQ(Compress(60.5), 60.3);
    EXPECT_DOUBLE_EQ(Compress(100), 84);
    EXPECT_DOUBLE_EQ(ScalePosition(0), -84.996);
}

TEST(Drehen, TipIsPlacedFromPivotAndLengthAndThePivotStays) {
    FormFixture f;
    f.form.CenterX = 1110;
    f.form.CenterY = 1110;
    f.form.SecZ.X1 = 1110;
    f.form.SecZ.Y1 = 1110;
    f.form.NeedleLen = 800;
    f.form.Drehen(-60);
    EXPECT_EQ(f.form.SecZ.X2, 1110);
    EXPECT_EQ(f.form.SecZ.Y2, 310);
    f.form.Drehen(-45);  // a quarter turn right; floor of a cosine just below 0 gives one twip
    EXPECT_EQ(f.form.SecZ.X2, 1910);
    EXPECT_EQ(f.form.SecZ.Y2, 1111);

    f.form.Drehen(-84.5);
    const float x = f.form.SecZ.X2, y = f.form.SecZ.Y2;
    f.form.Drehen(-83.5);  // both halves round to step -84
    EXPECT_EQ(f.form.SecZ.X2, x);
    EXPECT_EQ(f.form.SecZ.Y2, y);
    EXPECT_EQ(f.form.SecZ.X1, 1110);
    EXPECT_EQ(f.form.SecZ.Y1, 1110);
    EXPECT_THROW(f.form.Drehen(40000), RuntimeError);
}

// The sweep after start-up: ticks until the hand-over, the needle's last
// place during the sweep, and where the first refresh tick puts it.
TEST(Sweep, EndsWhenTheCounterReachesTheReading) {
    const DiskGeometry disk953{1, 4096, 1'175'000, 25'000'000};  // 95.3 % used
    const struct {
        const char* caption;
        std::uint32_t memoryLoad;
        int ticks;
        double lastSweepDirection, firstRefreshDirection;
    } cases[] = {{"RAM", 45, 45, 6, 12},  // counter 44, then step -58
                 {"RAM", 0, 1, 0, 210},
                 {"RAM", 1, 1, 0, 216},
                 {"RAM", 80, 80, 132, 108},  // beyond the reading, then back
                 {"HD", 0, 96, 192, 144}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + " " + std::to_string(c.memoryLoad));
        FormFixture f;
        f.memory.load = c.memoryLoad;
        f.drives.geometry = disk953;
        f.settings.Put("lblHDRAM.Caption", c.caption);
        f.form.Load();
        ASSERT_TRUE(f.form.Timer2.Enabled());
        EXPECT_EQ(f.form.Timer2.Interval(), 30);
        EXPECT_FALSE(f.form.Timer1.Enabled());
        const Line creation = f.form.SecZ;
        EXPECT_EQ(RunSweep(f.form), c.ticks);
        EXPECT_FALSE(f.form.Timer2.Enabled());
        EXPECT_TRUE(f.form.Timer1.Enabled());
        EXPECT_EQ(f.form.Timer1.Interval(), 100);
        if (c.ticks == 1)
            EXPECT_EQ(f.form.SecZ, creation);  // the sweep never moved the needle
        else
            EXPECT_NEAR(NeedleDirection(f.form), c.lastSweepDirection, 0.5);
        f.form.Timer1_Timer();
        EXPECT_NEAR(NeedleDirection(f.form), c.firstRefreshDirection, 0.5);
    }
}

TEST(Sweep, AnyCaptionButExactlyRamMeasuresTheDisk) {
    FormFixture f;
    f.form.lblHDRAM.Caption = "ram";
    f.form.Timer2_Timer();
    EXPECT_EQ(f.memory.queries, 0);
    EXPECT_EQ(f.drives.queries, 2);
    EXPECT_EQ(f.form.lbl_MEM.Caption, "96. %");
}

TEST(Sweep, ARestartBeginsAgainFromZero) {
    FormFixture f;
    f.form.Load();
    for (int i = 0; i < 10; ++i) f.form.Timer2_Timer();
    f.form.Load();
    EXPECT_EQ(f.form.SweepCount, 0);
    EXPECT_EQ(RunSweep(f.form), 45);
}

TEST(F12, OnlyAFreshPressSnapsToTheTopRightCorner) {
    FormFixture f;
    f.settings.Put("txtHeight", "2220");
    f.form.Load();
    RunSweep(f.form);
    EXPECT_EQ(f.keys.queries, 0);  // not watched during the sweep

    f.keys.answers = {std::int16_t(0x8000), 0x0001, 0};
    for (int i = 0; i < 3; ++i) f.form.Timer1_Timer();
    EXPECT_EQ(f.form.Left, 1000);
    EXPECT_EQ(f.form.Top, 1000);

    f.keys.answers = {-32767};  // 0x8001: down, pressed since the last query
    f.form.Timer1_Timer();
    EXPECT_FLOAT_EQ(f.form.Left, 15360 - 2220 * 1.05);
    EXPECT_EQ(f.form.Top, 0);
    EXPECT_TRUE(f.form.Visible);
    EXPECT_EQ(f.form.Width(), 2220);
}

}  // namespace
}  // namespace zeltavor::testing
