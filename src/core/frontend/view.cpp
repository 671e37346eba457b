#include "frontend/view.h"

#include <algorithm>

namespace zeltavor {

const std::array<PanelControl, 6> kPanelControlsInFocusOrder = {{
    {PanelControlId::txtHeight, &Form1::txtHeight, &Form1::txtHeight_KeyPress, nullptr, nullptr,
     "Instrument-Größe (800 bis 2500)"},
    {PanelControlId::cmd_weiter, nullptr, nullptr, &Form1::cmd_weiter, &Form1::cmd_weiter_Click, nullptr},
    {PanelControlId::Monis, &Form1::Monis, &Form1::Monis_KeyPress, nullptr, nullptr, "Anzahl Monitore (höchstens 2)"},
    {PanelControlId::cmd_auto, nullptr, nullptr, &Form1::cmd_auto, &Form1::cmd_auto_Click, nullptr},
    {PanelControlId::cmd_aus, nullptr, nullptr, &Form1::cmd_aus, &Form1::cmd_aus_Click, nullptr},
    {PanelControlId::cmd_clear, nullptr, nullptr, &Form1::cmd_clear, &Form1::cmd_clear_Click, nullptr},
}};

namespace {

constexpr float kTwipsPerPoint = 20;
constexpr Rgb kDisabledText{128, 128, 128};
constexpr Rgb kDisabledEmboss{255, 255, 255};
constexpr Rgb kFocusFrame{0, 0, 0};

// The pictures' own sizes, as drawn for 96 dots per inch.
struct PictureSize {
    int width, height;
};
PictureSize SizeAt96(Picture picture) {
    switch (picture) {
        case Picture::DialFace: return {148, 149};
        case Picture::FilledDot:
        case Picture::EmptyDot: return {14, 14};
        case Picture::Hub: return {16, 16};
        case Picture::RedCross: return {40, 41};
        case Picture::None: break;
    }
    return {0, 0};
}

using DrawnControl = std::variant<const Line*, const Label*, const Image*, const Frame*>;

// Every control that is drawn, from back to front, with the frame it stands
// in (none: the window) and, for a painted button, its id. The needle lies
// behind everything; the frame is a window of its own and stands before all
// that is drawn on the window.
struct PlacedControl {
    const Frame* container;
    DrawnControl control;
    std::optional<PaintedControlId> button;
};
std::array<PlacedControl, 14> DrawnControlsBackToFront(const Form1& f) {
    return {{
        {nullptr, &f.SecZ, {}},
        {nullptr, &f.lbl_MEM, {}},
        {nullptr, &f.MEMLeft, {}},
        {nullptr, &f.MEMTOP, {}},
        {nullptr, &f.ImgMitte, {}},
        {nullptr, &f.ImgDot1, PaintedControlId::ImgDot1},
        {nullptr, &f.imgDot0, PaintedControlId::imgDot0},
        {nullptr, &f.lblHDRAM, {}},
        {nullptr, &f.Frame1, {}},
        {&f.Frame1, &f.Label4.at(0), {}},
        {&f.Frame1, &f.Label3, {}},
        {&f.Frame1, &f.cmd_EXIT, PaintedControlId::cmd_EXIT},
        {&f.Frame1, &f.Label4.at(1), {}},
        {&f.Frame1, &f.Label4.at(3), {}},
    }};
}

class ViewBuilder {
public:
    ViewBuilder(const Form1& form, View& view) : form_(form), grid_(view.grid), view_(view) {}

    void Background() {
        const PixelRect window{0, 0, grid_.X(form_.Width()), grid_.Y(form_.Height())};
        view_.drawn.push_back(DrawnFill{window, form_.BackColor});
        const Picture dial = form_.BackgroundPicture;
        if (dial == Picture::None) return;
        // Stretched over a square window, at its own size on any other.
        const PictureSize size = SizeAt96(dial);
        const float twips = PixelGrid::kTwipsPerPixelAt96;
        const PixelRect own = grid_.Edges(0, 0, size.width * twips, size.height * twips);
        Add(dial, form_.Width() == form_.Height() ? window : own);
    }

    void Add(const PlacedControl& placed) {
        container_ = placed.container;
        button_ = placed.button;
        std::visit(*this, placed.control);
    }

    void operator()(const Line* line) {
        view_.drawn.push_back(DrawnLine{grid_.ExactX(OffsetX() + line->X1), grid_.ExactY(OffsetY() + line->Y1),
                                        grid_.ExactX(OffsetX() + line->X2), grid_.ExactY(OffsetY() + line->Y2),
                                        line->Colour, grid_.ScaledX(line->WidthPixels)});
    }

    void operator()(const Label* label) {
        if (!label->Visible) return;
        const PixelRect place = ClearOfTheBoxes(PlaceOf(*label));
        if (!label->Transparent) view_.drawn.push_back(DrawnFill{place, ContainerColour()});
        DrawnText text;
        text.text = ShownCaption(*label);
        text.place = place;
        text.font = FontOf(label->LabelFont);
        text.centred = label->Centred;
        text.colour = label->ForeColor;
        if (!label->Enabled) {
            text.colour = kDisabledText;
            text.emboss = kDisabledEmboss;
            text.embossOffset = grid_.ScaledX(1);
        }
        view_.drawn.push_back(std::move(text));
    }

    void operator()(const Image* image) {
        if (!image->Visible) return;
        Add(image->Content, PlaceOf(*image));
        if (button_ && image->Enabled) view_.hitAreas.push_back({PlaceOf(*image), button_, image->Pointer});
    }

    void operator()(const Frame* frame) {
        if (!frame->Visible) return;
        view_.drawn.push_back(DrawnFill{PlaceOf(*frame), frame->BackColor});
        view_.hitAreas.push_back({PlaceOf(*frame), std::nullopt, MousePointer::Default});
    }

    void Panel() {
        for (const PanelControl& entry : kPanelControlsInFocusOrder) {
            container_ = &form_.Frame1;
            PanelControlView control;
            if (entry.box) {
                const TextBox& box = form_.*entry.box;
                control = {entry.id, true, PlaceOf(box), box.Text, FontOf(Font{}), box.Visible, entry.accessibleName,
                           box.MaxLength};
            } else {
                const Button& button = form_.*entry.button;
                control = {entry.id, false, PlaceOf(button), button.Caption, FontOf(button.ButtonFont), button.Visible,
                           nullptr, 0};
            }
            control.visible = control.visible && InWindow(control.place);
            view_.panel.push_back(std::move(control));
        }
    }

    // What a screen reader is told of the painted controls that act or speak.
    void Painted() {
        const Frame* frame = &form_.Frame1;
        AddPainted(PaintedControlId::cmd_EXIT, "Programm beenden", true, form_.cmd_EXIT, frame);
        AddPainted(PaintedControlId::imgDot0, "Auf Festplatte (HD) umschalten", true, form_.imgDot0, nullptr);
        AddPainted(PaintedControlId::ImgDot1, "Auf Arbeitsspeicher (RAM) umschalten", true, form_.ImgDot1, nullptr);
        AddPainted(PaintedControlId::Label3, nullptr, false, form_.Label3, frame);
        view_.message = ShownCaption(form_.Label3);
    }

private:
    void Add(Picture picture, const PixelRect& place) {
        const PictureSize at96 = SizeAt96(picture);
        const double ratio = grid_.DevicePixelRatio();
        view_.drawn.push_back(DrawnPicture{picture, place, place.width * ratio > at96.width || place.height * ratio > at96.height});
    }
    bool InWindow(const PixelRect& place) const {
        return place.left < grid_.X(form_.Width()) && place.top < grid_.Y(form_.Height()) && place.right() > 0 &&
               place.bottom() > 0;
    }
    void AddPainted(PaintedControlId id, const char* name, bool button, const Control& control, const Frame* frame) {
        container_ = frame;
        const PixelRect place = PlaceOf(control);
        view_.painted.push_back({id, name, button, place, control.Visible, control.Visible && InWindow(place)});
    }

    // A label laid out into the box beside it (by a twip, which at a high
    // density is pixels) ends where the box begins: the box would hide its end.
    PixelRect ClearOfTheBoxes(PixelRect place) const {
        for (const PanelControl& entry : kPanelControlsInFocusOrder) {
            if (entry.box == nullptr || container_ != &form_.Frame1) continue;  // the boxes stand in the panel
            const PixelRect box = PlaceOf(form_.*entry.box);
            if (place.left < box.left && box.left < place.right() && place.top < box.bottom() && box.top < place.bottom())
                place.width = box.left - place.left;
        }
        return place;
    }
    float OffsetX() const { return container_ ? container_->Left : 0; }
    float OffsetY() const { return container_ ? container_->Top : 0; }
    Rgb ContainerColour() const { return container_ ? container_->BackColor : form_.BackColor; }
    PixelRect PlaceOf(const Control& control) const {
        return grid_.Edges(OffsetX() + control.Left, OffsetY() + control.Top, control.Width, control.Height);
    }
    DrawnFont FontOf(const Font& font) const { return {font, grid_.ExactY(font.points * kTwipsPerPoint)}; }

    const Form1& form_;
    const PixelGrid& grid_;
    View& view_;
    const Frame* container_ = nullptr;
    std::optional<PaintedControlId> button_;
};

}  // namespace

View ViewOf(const Form1& form) {
    View view;
    view.grid = form.Grid();
    // Built at every tick: room for everything at once, not grown step by step.
    view.drawn.reserve(24);
    view.panel.reserve(kPanelControlsInFocusOrder.size());
    view.painted.reserve(4);
    view.hitAreas.reserve(4);
    ViewBuilder builder(form, view);
    builder.Background();
    for (const PlacedControl& placed : DrawnControlsBackToFront(form)) builder.Add(placed);
    builder.Panel();
    builder.Painted();
    view.outline = form.Outline;
    view.reading = ShownCaption(form.lblHDRAM);
    if (!form.lbl_MEM.Caption.empty()) view.reading.append(" ").append(ShownCaption(form.lbl_MEM));
    return view;
}

void MarkFocus(View& view, const Focus& focus) {
    for (PaintedControlView& control : view.painted) {
        if (focus != Focus(control.id)) continue;
        control.focused = true;
        const PixelRect& p = control.place;
        const int line = view.grid.ScaledX(1);
        for (const PixelRect edge : {PixelRect{p.left, p.top, p.width, line}, PixelRect{p.left, p.bottom() - line, p.width, line},
                                     PixelRect{p.left, p.top, line, p.height}, PixelRect{p.right() - line, p.top, line, p.height}})
            view.drawn.push_back(DrawnFill{edge, kFocusFrame});
    }
}

int NarrowedStretch(double neededWidth, int labelWidth) {
    if (neededWidth <= labelWidth || neededWidth <= 0) return 100;
    return std::max(60, static_cast<int>(100 * labelWidth / neededWidth));
}

}  // namespace zeltavor
