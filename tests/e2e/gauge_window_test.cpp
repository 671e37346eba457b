#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <thread>

#include "app/conversions.h"
#include "app/form1.h"
#include "memory_status.h"
#include "gauge_fixture.h"

namespace zeltavor::e2e {
namespace {

using namespace std::chrono_literals;

// Direction of the red needle in degrees clockwise from twelve, from the pure
// red pixels between the hub and the needle's tip.
std::optional<double> NeedleDirection(const Screenshot& shot, double pivotX, double pivotY) {
    double sumX = 0, sumY = 0;
    int count = 0;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) {
            const Rgb8& p = shot.at(x, y);
            const double dx = x + 0.5 - pivotX, dy = y + 0.5 - pivotY;
            const double distance = std::hypot(dx, dy);
            if (p.r > 200 && p.g < 60 && p.b < 60 && distance > 12 && distance < 60) {
                sumX += dx;
                sumY += dy;
                ++count;
            }
        }
    if (count < 20) return std::nullopt;
    const double degrees = std::atan2(sumX, -sumY) * 180 / std::numbers::pi;
    return std::fmod(degrees + 360, 360);
}

// Where the gauge puts its needle for a memory load.
double DirectionForLoad(std::uint32_t load) {
    const int step = RoundToInt16(ScalePosition(Compress(load)));
    return ((step % 60 + 60) % 60) * 6.0;
}

double AngleBetween(double a, double b) {
    const double d = std::fabs(a - b);
    return std::min(d, 360 - d);
}

// The instrument at 2220 twips, its dial's natural size.
class GaugeWindowTest : public GaugeFixture {
protected:
    void SetUp() override {
        WriteSettings("[Optionen]\ntxtHeight=2220\n");
        Start();
    }

    // True once a screenshot shows the needle where the memory load, read
    // just before or just after it, puts it; the sweep comes first.
    bool WaitUntilNeedleFollowsMemoryLoad() {
        linux_platform::LinuxMemoryStatus memory;
        std::optional<double> seen;
        std::uint32_t load = 0;
        Screenshot shot;
        const bool matched = PollUntil(8s, [&] {
            const auto before = memory.MemoryLoad();
            shot = x.Capture(x.RootGeometry(window));
            const auto after = memory.MemoryLoad();
            seen = NeedleDirection(shot, 74, 74);
            load = before.value_or(0);
            return seen && before && after &&
                   (AngleBetween(*seen, DirectionForLoad(*before)) < 3 ||
                    AngleBetween(*seen, DirectionForLoad(*after)) < 3);
        });
        if (!matched) {
            shot.SavePpm("needle-mismatch.ppm");
            ADD_FAILURE() << "needle at " << seen.value_or(-1) << " degrees; a memory load of " << load
                          << " % wants " << DirectionForLoad(load) << " (screenshot: needle-mismatch.ppm)";
        }
        return matched;
    }
};

TEST_F(GaugeWindowTest, IsAnUndecoratedTopmostInstrumentAtItsPlace) {
    EXPECT_EQ(x.Utf8Property(window, "_NET_WM_NAME"), "Zeltavor");
    const auto states = x.AtomListProperty(window, "_NET_WM_STATE");
    EXPECT_NE(std::find(states.begin(), states.end(), "_NET_WM_STATE_ABOVE"), states.end());
    EXPECT_EQ(x.CardinalListProperty(window, "_NET_FRAME_EXTENTS"), (std::vector<long>{0, 0, 0, 0}));
    EXPECT_FALSE(x.CardinalListProperty(window, "_NET_WM_ICON").empty());
    // 2220 twips square at Left and Top 1000 twips, 15 twips to the pixel.
    EXPECT_EQ(x.RootGeometry(window), (Rect{67, 67, 148, 148}));
}

TEST_F(GaugeWindowTest, NeedlePointsAtTheMemoryLoadReadAtTheSameMoment) {
    EXPECT_TRUE(WaitUntilNeedleFollowsMemoryLoad());
}

TEST_F(GaugeWindowTest, F12SnapsToTheTopRightCorner) {
    ASSERT_TRUE(WaitUntilNeedleFollowsMemoryLoad());  // F12 is watched only after the sweep
    ASSERT_TRUE(RunCommand("xdotool keydown F12 && sleep 0.3 && xdotool keyup F12"));
    // Left = 15360 - 2220 x 1.05 twips, so 5 % of the width stays inside the edge.
    const Rect corner{869, 0, 148, 148};
    EXPECT_TRUE(PollUntil(2s, [&] { return x.RootGeometry(window) == corner; }))
        << "window at " << x.RootGeometry(window).x << ", " << x.RootGeometry(window).y;
}

}  // namespace
}  // namespace zeltavor::e2e
