#include <cmath>

#include "gauge_fixture.h"

namespace zeltavor::e2e {
namespace {

using namespace std::chrono_literals;

// The 2220-twip instrument at a device pixel ratio of 1 and of 2.
class HighDensity : public GaugeFixture {
protected:
    Screenshot Shot(const char* scaleFactor, Rect expected) {
        WriteSettings("[Optionen]\ntxtHeight=2220\n");
        Start({{"QT_SCALE_FACTOR", scaleFactor}});
        EXPECT_EQ(Geometry(), expected);
        std::this_thread::sleep_for(1500ms);  // the sweep has settled
        Screenshot shot = x.Capture(Geometry());
        Terminate();
        return shot;
    }
};

TEST_F(HighDensity, KeepsItsSizeInTwipsAndDrawsSharpAtTwiceTheDensity) {
    const Screenshot single = Shot("1", {67, 67, 148, 148});
    const Screenshot twice = Shot("2", {134, 134, 296, 296});  // the same place and size, in twips
    ASSERT_EQ(twice.width, 2 * single.width);

    // Averaged down, the dense picture is the same dial …
    double difference = 0;
    int blocksWithDetail = 0, blocks = 0;
    for (int y = 20; y < single.height - 20; ++y)
        for (int x = 20; x < single.width - 20; ++x) {
            const Rgb8* four[] = {&twice.at(2 * x, 2 * y), &twice.at(2 * x + 1, 2 * y), &twice.at(2 * x, 2 * y + 1),
                                  &twice.at(2 * x + 1, 2 * y + 1)};
            double mean = 0;
            for (const Rgb8* p : four) mean += (p->r + p->g + p->b) / 12.0;
            const Rgb8& one = single.at(x, y);
            difference += std::fabs(mean - (one.r + one.g + one.b) / 3.0);
            ++blocks;
            // … and not the single one blown up: its 2 x 2 blocks have detail.
            blocksWithDetail += four[0]->r != four[3]->r || four[1]->g != four[2]->g;
        }
    EXPECT_LT(difference / blocks, 12.0) << "not the same dial";
    EXPECT_GT(blocksWithDetail, blocks / 4) << "a blocky dial";
}

}  // namespace
}  // namespace zeltavor::e2e
