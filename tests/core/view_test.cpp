#include "frontend/view.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"

namespace zeltavor::testing {
namespace {

template <typename Kind>
std::vector<Kind> All(const View& view) {
    std::vector<Kind> found;
    for (const Drawn& drawn : view.drawn)
        if (const auto* item = std::get_if<Kind>(&drawn)) found.push_back(*item);
    return found;
}

PixelRect PlaceOf(const View& view, Picture picture) {
    const auto pictures = All<DrawnPicture>(view);
    return std::find_if(pictures.begin(), pictures.end(), [&](auto& drawn) { return drawn.picture == picture; })->place;
}

// How far a reaches into b from the left; nothing where they do not meet.
int Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom() ? a.right() - b.left : 0;
}

// At 96, 120, 144 and 192 dots per inch the instrument is the one drawn for
// 96, scaled: round at every size, the dial at its own size beside the
// panel, the hub on the needle's root, labels clear of the boxes (the
// monitor count's label was laid out one pixel into its box).
TEST(View, EveryDensityShowsTheInstrumentOfNinetySixDotsScaled) {
    for (const float twipsPerPixel : {15.f, 12.f, 10.f, 1440.f / 168, 7.5f, 6.f, 5.f}) {  // 96 to 288 dots per inch
        const double scale = 15 / twipsPerPixel;
        LoadedForm f;  // loaded at 15 twips per pixel: the grid follows the screen
        f.screen.twipsPerPixel = twipsPerPixel;
        f.form.MouseDown(2, 0, 0, 0);
        const View view = ViewOf(f.form);
        const auto scaled = [&](int pixels) { return RoundPixel(pixels * scale); };
        EXPECT_EQ(PlaceOf(view, Picture::DialFace), (PixelRect{0, 0, scaled(148), scaled(149)})) << twipsPerPixel;
        const PixelRect hub = PlaceOf(view, Picture::Hub), cross = PlaceOf(view, Picture::RedCross);
        const DrawnLine needle = All<DrawnLine>(view).front();
        EXPECT_TRUE(All<DrawnText>(view).front().centred);  // the percentage
        EXPECT_EQ(std::pair(hub.left + hub.width / 2, hub.top + hub.height / 2),
                  std::pair(RoundPixel(needle.x1), RoundPixel(needle.y1))) << twipsPerPixel;
        EXPECT_EQ(std::tuple(hub.width, cross.width, cross.height, needle.width),
                  std::tuple(scaled(16), scaled(40), scaled(41), scaled(4))) << twipsPerPixel;
        for (const DrawnText& label : All<DrawnText>(view))
            for (const PanelControlView& control : view.panel)
                EXPECT_LE(Overlap(label.place, control.place), scaled(1)) << label.text << " at " << twipsPerPixel;
        f.form.txtHeight.Text = "2500";  // the largest instrument
        f.form.cmd_weiter_Click();
        const RoundRectRegion& round = *f.form.Outline;
        EXPECT_TRUE(round.ellipseWidth >= round.right && round.ellipseHeight >= round.bottom) << twipsPerPixel;
    }
    EXPECT_EQ(std::tuple(TwipsPerPixel(96), TwipsPerPixel(192), TwipsPerPixel(0)), std::tuple(15.f, 7.5f, 15.f));  // 0: says nothing
    EXPECT_THROW(PixelGrid(0, 15), RuntimeError);  // no screen has no pixels
    EXPECT_THROW(PixelGrid(15, 0), RuntimeError);
    EXPECT_THROW(PixelGrid(15, 15, 0), RuntimeError);
}

// The options view at 96 dots per inch as it is drawn, item by item, and
// the gauge view hiding the panel.
TEST(View, TheOptionsViewPlacesEachDrawnControl) {
    LoadedForm f{{"lblHDRAM.Caption", "HD"}};
    f.form.MouseDown(2, 0, 0, 0);
    RunSweep(f.form);
    const View view = ViewOf(f.form);
    const DrawnLine needle = All<DrawnLine>(view).front();
    EXPECT_EQ(std::pair(needle.x1, needle.y1), std::pair(74.0, 74.0));
    EXPECT_EQ(std::pair(needle.x2, needle.y2), std::pair(62.866666666666667, 126.2));  // 943 and 1893 twips, exactly
    const DrawnText source = All<DrawnText>(view).at(1), message = All<DrawnText>(view).at(3);
    EXPECT_EQ(std::tuple(source.text, source.colour, *source.emboss, source.embossOffset),
              std::tuple("HD", Rgb{128, 128, 128}, Rgb{255, 255, 255}, 1));  // disabled: greyed and embossed
    EXPECT_EQ(message.place, (PixelRect{187, 8, 123, 14}));
    EXPECT_EQ(PlaceOf(view, Picture::EmptyDot), (PixelRect{67, 109, 14, 14}));
    EXPECT_TRUE(std::all_of(view.panel.begin(), view.panel.end(), [](auto& control) { return control.visible; }));
    const auto crossShows = [&](float left, float top) {  // while one pixel of it is in the window
        f.form.Frame1.Left = left, f.form.Frame1.Top = top;
        return ViewOf(f.form).painted.front().showing;
    };
    EXPECT_EQ((std::vector{crossShows(-4350, 0), crossShows(-4335, 0), crossShows(0, 720), crossShows(0, 705),
                           crossShows(0, -2115), crossShows(0, -2100), crossShows(2460, -60)}),
              (std::vector{false, true, false, true, false, true, true}));
    f.form.cmd_weiter_Click();
    const auto gauge = ViewOf(f.form).panel;
    EXPECT_TRUE(std::none_of(gauge.begin(), gauge.end(), [](auto& control) { return control.visible; }));
    EXPECT_EQ(std::tuple(NarrowedStretch(100, 100), NarrowedStretch(120, 100), NarrowedStretch(1000, 100)),
              std::tuple(100, 83, 60));
}

}  // namespace
}  // namespace zeltavor::testing
