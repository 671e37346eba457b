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

// The round outline follows the circle pixel by pixel, not in steps of two.
TEST_F(HighDensity, TheOutlineIsAsFineAsTheScreen) {
    const Rect place{134, 134, 296, 296};
    const Screenshot desktop = x.Capture(place);
    WriteSettings("[Optionen]\ntxtHeight=2220\n");
    Start({{"QT_SCALE_FACTOR", "2"}});
    ASSERT_EQ(Geometry(), place);
    std::this_thread::sleep_for(1s);
    const Screenshot shot = x.Capture(place);
    const auto firstShown = [&](int y) {
        for (int x = 0; x < shot.width; ++x)
            if (shot.at(x, y).r != desktop.at(x, y).r || shot.at(x, y).g != desktop.at(x, y).g) return x;
        return shot.width;
    };
    int finerThanTwo = 0;
    for (int y = 4; y < 100; y += 2) finerThanTwo += firstShown(y) != firstShown(y + 1);
    EXPECT_GT(finerThanTwo, 10) << "the edge moves in steps of two pixels";
}

}  // namespace
}  // namespace zeltavor::e2e
