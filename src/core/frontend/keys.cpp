// What the keys do, decided once for both toolkits: which opens the options,
// which presses what, where the focus goes and what a box takes.
#include <algorithm>

#include "frontend/form_events.h"

namespace zeltavor {

namespace {

bool IsBox(PanelControlId id) { return Entry(id).box != nullptr; }

const PanelControlView& SizeBox(const View& view) { return view.panel.front(); }

bool Shows(const View& view, const Focus& focus) {
    if (const auto* control = std::get_if<PanelControlId>(&focus)) return view.panel.at(static_cast<std::size_t>(*control)).visible;
    if (const auto* painted = std::get_if<PaintedControlId>(&focus)) {
        for (const PaintedControlView& control : view.painted)
            if (control.id == *painted) return control.button && control.showing;
    }
    return true;
}


// The panel's controls in view, then the painted buttons as they are drawn
// (the source dot before the red cross), then the window with the reading.
std::vector<Focus> TabOrder(const View& view) {
    std::vector<Focus> order;
    for (const PanelControlView& control : view.panel)
        if (control.visible) order.emplace_back(control.id);
    for (const PaintedControlId id : {PaintedControlId::ImgDot1, PaintedControlId::imgDot0, PaintedControlId::cmd_EXIT})
        if (Shows(view, id)) order.emplace_back(id);
    order.emplace_back(std::monostate{});
    return order;
}

}  // namespace

KeyOutcome FormEvents::KeyDown(const KeyEvent& key) {
    const auto* control = std::get_if<PanelControlId>(&focus_);
    const auto* painted = std::get_if<PaintedControlId>(&focus_);
    switch (key.key) {
        case Key::Menu: return {OptionsKey(), KeyRoute::Taken};
        case Key::F10:
            if (key.shift) return {OptionsKey(), KeyRoute::Taken};
            break;
        case Key::Tab: {
            const std::vector<Focus> order = TabOrder(view_);
            const auto at = std::find(order.begin(), order.end(), focus_) - order.begin();
            const auto count = static_cast<std::ptrdiff_t>(order.size());
            focus_ = order[static_cast<std::size_t>((at + (key.shift ? count - 1 : 1)) % count)];
            Changes changes = Changed();
            changes.focus = focus_;
            return {changes, KeyRoute::Taken};
        }
        case Key::Return:
            if (control) return {Click(IsBox(*control) ? PanelControlId::cmd_weiter : *control), KeyRoute::Taken};
            [[fallthrough]];
        case Key::Space:
            if (painted) return {Activate(*painted), KeyRoute::Taken};
            break;
        case Key::Character:
            if (key.character < ' ' && key.character != kBackspace) break;  // a control character types nothing
            if (control && IsBox(*control)) return Typed(*control, key.character, KeyRoute::Native);
            if (!control && !SizeBox(view_).visible) return Typed(PanelControlId::txtHeight, key.character, KeyRoute::ToSizeBox);
            break;
        case Key::Other: break;
    }
    return {{}, KeyRoute::Native, key.character};
}

KeyOutcome FormEvents::Typed(PanelControlId box, char16_t character, KeyRoute route) {
    auto code = static_cast<std::int16_t>(character);
    Changes changes = Run([&] { (form_.*Entry(box).keyPress)(code); });
    return {changes, code == 0 ? KeyRoute::Taken : route, static_cast<char16_t>(code)};
}

// The window taking the focus keeps a painted button's.
void FormEvents::FocusMoved(std::optional<PanelControlId> control) {
    if (control) focus_ = *control;
    else if (std::holds_alternative<PanelControlId>(focus_)) focus_ = std::monostate{};
}

bool FormEvents::Accepts(PanelControlId box, std::string_view text) {
    const PanelControlView& view = view_.panel.at(static_cast<std::size_t>(box));
    if (view.maxLength > 0 && text.size() > view.maxLength) return false;
    return std::all_of(text.begin(), text.end(), [&](char character) {
        std::int16_t code = static_cast<unsigned char>(character);
        (form_.*Entry(box).keyPress)(code);
        return code != 0;
    });
}

// The size box takes the focus as the options view opens; a control that
// goes out of view hands it to the size box, or in the gauge view to the
// window.
std::optional<Focus> FormEvents::FocusAfter(const View& view, bool first) const {
    const bool boxShown = SizeBox(view).visible;
    const bool opened = boxShown && (first || !SizeBox(view_).visible);
    if (!opened && !first && Shows(view, focus_)) return std::nullopt;
    return boxShown ? Focus(PanelControlId::txtHeight) : Focus(std::monostate{});
}

}  // namespace zeltavor
