#include <gtest/gtest.h>

#include "expectations.h"
#include "fakes.h"

namespace zeltavor::testing {
namespace {

struct LayoutCase {
    float size, center, needleLen, dotOffset, labelOffset;
    friend void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.size << " twips"; }
};

class SquareLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SquareLayout, ElementsStandAroundThePivot) {
    const LayoutCase& c = GetParam();
    FormFixture f;
    f.screen.twipsPerPixel = 7.5;  // every size in the table is whole pixels
    f.form.txtHeight.Text = std::to_string(static_cast<int>(c.size));
    f.form.SetWidth(c.size);
    f.form.SetHeight(c.size);
    EXPECT_EQ(f.form.CenterX, c.center);
    EXPECT_EQ(f.form.CenterY, c.center);
    EXPECT_EQ(f.form.SecZ.X1, c.center);
    EXPECT_NEAR(f.form.NeedleLen, c.needleLen, 1e-3);
    EXPECT_EQ(f.form.imgDot0.Top + 105, c.center + c.dotOffset);
    EXPECT_EQ(f.form.ImgDot1.Top + 105, c.center + c.dotOffset);
    EXPECT_EQ(f.form.lblHDRAM.Top + 112.5, c.center + c.labelOffset);
    EXPECT_EQ(f.form.lbl_MEM.Top + f.form.lbl_MEM.Height, c.center);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SquareLayout,
                         ::testing::Values(LayoutCase{2220, 1110, 825, 634, 370},
                                           LayoutCase{1500, 750, 557.4324f, 429, 250},
                                           LayoutCase{2205, 1102.5f, 819.4257f, 630, 368},
                                           LayoutCase{1995, 997.5f, 741.3851f, 570, 332}),
                         [](const auto& info) { return "Twips" + std::to_string(static_cast<int>(info.param.size)); });

TEST(Layout, DefaultInstrumentPlacesEveryElement) {
    FormFixture f;
    f.settings.Put("txtHeight", "2220");
    f.form.Load();
    ExpectDialElementsAroundTheDefaultPivot(f.form);
    EXPECT_EQ(f.form.lbl_MEM.Left, 727.5);
    EXPECT_EQ(f.form.lbl_MEM.Top, 795);
}

TEST(Layout, SizeSnapsToPixelsAndOnlyAChangeRunsTheLayout) {
    FormFixture f;
    f.form.Load();
    f.form.SetWidth(7000);
    EXPECT_EQ(f.form.Width(), 7005);  // 467 pixels
    EXPECT_EQ(f.form.CenterX, 10000);  // not square: parked outside
    EXPECT_EQ(f.form.SecZ.Y1, 10000);
    f.form.CenterX = 1;
    f.form.SetWidth(7004);  // the same 467 pixels: no resize
    EXPECT_EQ(f.form.CenterX, 1);
}

TEST(Layout, ANonNumericSizeSkipsOnlyTheNeedleLength) {
    FormFixture f;
    f.form.Load();
    f.form.txtHeight.Text = "";
    f.form.SetHeight(1500);
    f.form.SetWidth(1500);
    EXPECT_EQ(f.form.NeedleLen, 0);
    EXPECT_EQ(f.form.CenterX, 750);
    EXPECT_EQ(f.form.ImgMitte.Left, 630);  // the rest of the layout still ran
}

}  // namespace
}  // namespace zeltavor::testing
