#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/form1.h"

// What the window shows, in its pixels at the density it stands at: built by
// the core from the model, painted by a front-end as it stands.
namespace zeltavor {

// A control's font, with its exact height in pixels at this density; a
// toolkit that takes whole pixels takes them rounded by the grid's rule.
struct DrawnFont {
    Font font;
    double pixelHeight = 0;
    int WholePixelHeight() const { return RoundPixel(pixelHeight); }
    friend bool operator==(const DrawnFont&, const DrawnFont&) = default;
};

struct DrawnFill {
    PixelRect place;
    Rgb colour;
    friend bool operator==(const DrawnFill&, const DrawnFill&) = default;
};

// A picture scaled to its place, from its drawing for 96 dots per inch or,
// where the place has more device pixels than that, from the one at twice that.
struct DrawnPicture {
    Picture picture = Picture::None;
    PixelRect place;
    bool twice = false;
    friend bool operator==(const DrawnPicture&, const DrawnPicture&) = default;
};

// One line of a label's caption. The disabled look is the text once more in
// the emboss colour, `embossOffset` pixels down and right, beneath it.
struct DrawnText {
    std::string text;
    PixelRect place;
    DrawnFont font;
    bool centred = false;
    Rgb colour;
    std::optional<Rgb> emboss;
    int embossOffset = 0;
    friend bool operator==(const DrawnText&, const DrawnText&) = default;
};

// Exact end points, for a toolkit that draws between pixels.
struct DrawnLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb colour;
    int width = 1;
    friend bool operator==(const DrawnLine&, const DrawnLine&) = default;
};

using Drawn = std::variant<DrawnFill, DrawnPicture, DrawnText, DrawnLine>;

// The panel's real controls, text boxes and buttons, in their focus order;
// an id is the place in that order.
enum class PanelControlId { txtHeight, cmd_weiter, Monis, cmd_auto, cmd_aus, cmd_clear };

struct PanelControl {
    PanelControlId id;
    TextBox Form1::*box;  // a text box with its key filter, or else a button with its click
    void (Form1::*keyPress)(std::int16_t&);
    Button Form1::*button;
    void (Form1::*click)();
    const char* accessibleName;  // a button is named by its caption
};
extern const std::array<PanelControl, 6> kPanelControlsInFocusOrder;
inline const PanelControl& Entry(PanelControlId id) { return kPanelControlsInFocusOrder.at(static_cast<std::size_t>(id)); }

struct PanelControlView {
    PanelControlId id{};
    bool box = false;
    PixelRect place;
    std::string text;
    DrawnFont font;
    bool visible = true;
    const char* accessibleName = nullptr;  // none: a button's caption names it
    std::size_t maxLength = 0;  // what typing and pasting may reach; 0: no limit
    friend bool operator==(const PanelControlView&, const PanelControlView&) = default;
};

// The painted controls a screen reader is told of; a button is pressed
// through FormEvents::Activate.
enum class PaintedControlId { cmd_EXIT, imgDot0, ImgDot1, Label3 };

struct HitArea {
    PixelRect place;
    std::optional<PaintedControlId> button;
    MousePointer pointer = MousePointer::Default;
    friend bool operator==(const HitArea&, const HitArea&) = default;
};

// What holds the keyboard focus: the window itself, a panel control or a
// painted button.
using Focus = std::variant<std::monostate, PanelControlId, PaintedControlId>;

struct PaintedControlView {
    PaintedControlId id{};
    const char* name = nullptr;  // none: the message line, named by what it says
    bool button = false;
    PixelRect place;
    bool visible = false;
    bool showing = false;  // visible and inside the window
    bool focused = false;
    friend bool operator==(const PaintedControlView&, const PaintedControlView&) = default;
};

struct View {
    PixelGrid grid{PixelGrid::kTwipsPerPixelAt96, PixelGrid::kTwipsPerPixelAt96};
    std::vector<Drawn> drawn;  // back to front
    // A panel control outside the window is not visible: a toolkit still
    // hands the size box the keys typed while it is unseen.
    std::vector<PanelControlView> panel;
    // What a press lands on, back to front as drawn: the panel (no button),
    // a window of its own before the dial, and the painted buttons.
    // Anywhere else it lands on the window.
    std::vector<HitArea> hitAreas;
    std::string reading;                // as a screen reader says it: "RAM 45 %"
    std::vector<PaintedControlView> painted;
    std::string message;                // what the message line says
    std::optional<RoundRectRegion> outline;
    friend bool operator==(const View&, const View&) = default;
};

View ViewOf(const Form1& form);

// A painted button with the keyboard focus is marked so, and framed by a
// line of one pixel at 96 dots per inch.
void MarkFocus(View& view, const Focus& focus);

// How far, in percent of its width, a font is narrowed so that a caption of
// this natural width fits its label: the fonts at hand may run wider than
// the classic ones, and a caption is narrowed rather than broken or cut.
int NarrowedStretch(double neededWidth, int labelWidth);

}  // namespace zeltavor
