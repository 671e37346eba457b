#include "app/form_events.h"

#include <utility>

namespace zeltavor {

namespace {

constexpr int kLeftButton = 1, kRightButton = 2;

bool Inside(const Control& control, float offsetX, float offsetY, float x, float y) {
    const float left = offsetX + control.Left, top = offsetY + control.Top;
    return x >= left && x < left + control.Width && y >= top && y < top + control.Height;
}

bool Inside(const PixelRect& rect, double x, double y) {
    return x >= rect.left && x < rect.right() && y >= rect.top && y < rect.bottom();
}

const PanelControl& Entry(PanelControlId id) { return kPanelControlsInFocusOrder.at(static_cast<std::size_t>(id)); }

// A toolkit's ids (a dialog manager's IDOK) may reach the panel: none of its controls.
const PanelControl* Find(PanelControlId id) {
    const auto place = static_cast<std::size_t>(id);
    return place < kPanelControlsInFocusOrder.size() ? &kPanelControlsInFocusOrder[place] : nullptr;
}

}  // namespace

void ApplyChanges(const Changes& changes, ChangesTarget& target) {
    if (changes.timer1) target.RunTimer(1, *changes.timer1);
    if (changes.timer2) target.RunTimer(2, *changes.timer2);
    if (changes.error) target.Report(*changes.error);
    if (changes.end) return target.End();
    if (changes.geometry) target.Place(*changes.geometry);
    if (changes.panel) target.FollowPanel();
    if (changes.repaint) target.Repaint();
    if (changes.cursor) target.ShowCursor(*changes.cursor);
    if (changes.readingChanged) target.AnnounceReading();
}

FormEvents::FormEvents(Platform& platform, Desktop& desktop) : form_(platform, desktop), view_(ViewOf(form_)) {}

PixelRect FormEvents::Geometry() const {
    const PixelGrid grid = form_.Grid();
    const PixelPoint origin = form_.platform().screen.PrimaryOrigin();
    return {origin.x + grid.X(form_.Left), origin.y + grid.Y(form_.Top), grid.X(form_.Width()), grid.Y(form_.Height())};
}

void FormEvents::TakePlace(int left, int top) {
    const PixelGrid grid = form_.Grid();
    const PixelPoint origin = form_.platform().screen.PrimaryOrigin();
    form_.Left = grid.TwipsX(left - origin.x);
    form_.Top = grid.TwipsY(top - origin.y);
}

Changes FormEvents::Run(const std::function<void()>& handler) {
    try {
        handler();
        return Changed();
    } catch (const RuntimeError& error) {
        Changes failed;
        failed.error = ErrorReport{ErrorBoxText(error), ErrorLogLine(error)};
        failed.timer1 = failed.timer2 = TimerOrder{};  // nothing runs on while it is reported
        return failed;
    }
}

Changes FormEvents::Load() {
    return Run([this] { form_.Load(); });
}

// The platform runs Resize once more as it first shows the window.
Changes FormEvents::FirstShow() {
    if (std::exchange(shown_, true)) return {};
    return Run([this] { form_.Resize(); });
}

FormEvents::Twips FormEvents::ToTwips(double x, double y) const {
    const PixelGrid grid = form_.Grid();
    return {grid.TwipsX(x), grid.TwipsY(y)};
}

// The panel is a window of its own in front of the dial: a press there stays
// with the panel and neither drags the window nor opens the options again.
FormEvents::Target FormEvents::TargetAt(Twips at) const {
    const Frame& frame = form_.Frame1;
    if (frame.Visible && Inside(frame, 0, 0, at.x, at.y)) {
        const Image& cross = form_.cmd_EXIT;
        const bool onCross = cross.Visible && cross.Enabled && Inside(cross, frame.Left, frame.Top, at.x, at.y);
        return onCross ? Target::cmd_EXIT : Target::Panel;
    }
    const Image* dot = form_.DotAt(at.x, at.y);
    if (dot == nullptr) return Target::Window;
    return dot == &form_.imgDot0 ? Target::imgDot0 : Target::ImgDot1;
}

Changes FormEvents::Press(int button, double x, double y) {
    const Twips at = ToTwips(x, y);
    pressed_ = TargetAt(at);
    if (pressed_ != Target::Window) return {};
    return Run([&] { form_.MouseDown(button, 0, at.x, at.y); });
}

Changes FormEvents::Move(int buttons, double x, double y) {
    Changes changes;
    if (pressed_ == Target::Window || pressed_ == Target::None) {
        const Twips at = ToTwips(x, y);
        changes = Run([&] { form_.MouseMove(buttons, 0, at.x, at.y); });
    }
    bool overHand = false;
    for (const PixelRect& area : view_.handCursorAreas) overHand = overHand || Inside(area, x, y);
    const MousePointer pointer = overHand ? MousePointer::Hand : MousePointer::Default;
    if (std::exchange(pointer_, pointer) != pointer) changes.cursor = pointer;
    return changes;
}

// A dot's or the red cross's click is a press and a release of the left
// button on it.
Changes FormEvents::Release(int button, double x, double y) {
    const Target pressed = std::exchange(pressed_, Target::None);
    const bool doubleClick = std::exchange(doubleClickOnDot_, false);
    if (pressed == Target::Window) return Run([this] { form_.MouseUp(); });
    if (button != kLeftButton || TargetAt(ToTwips(x, y)) != pressed) return {};
    switch (pressed) {
        case Target::imgDot0: return doubleClick ? Changes{} : Run([this] { form_.imgDot0_Click(); });
        case Target::ImgDot1: return doubleClick ? Changes{} : Run([this] { form_.ImgDot1_Click(); });
        case Target::cmd_EXIT: return Run([this] { form_.cmd_EXIT_Click(); });
        default: return {};
    }
}

// Both platforms deliver a double-click as press, release, double-click,
// release: the double-click stands in for the second press. On a dot the
// first click has switched the source; the second does nothing.
Changes FormEvents::DoubleClick(double x, double y) {
    pressed_ = TargetAt(ToTwips(x, y));
    doubleClickOnDot_ = pressed_ == Target::imgDot0 || pressed_ == Target::ImgDot1;
    if (pressed_ != Target::Window) return {};
    return Run([this] { form_.DblClick(); });
}

Changes FormEvents::OptionsKey() {
    return Run([this] { form_.MouseDown(kRightButton, 0, 0, 0); });
}

Changes FormEvents::KeyPress(PanelControlId box, std::int16_t& code) {
    return Run([&] { (form_.*Entry(box).keyPress)(code); });
}

Changes FormEvents::Edited(PanelControlId box, const std::string& text) {
    return Run([&] { (form_.*Entry(box).box).Text = text; });
}

Changes FormEvents::Click(PanelControlId button) {
    const PanelControl* entry = Find(button);
    if (entry == nullptr || entry->click == nullptr) return {};
    return Run([&] { (form_.*entry->click)(); });
}

Changes FormEvents::ReturnKey(PanelControlId focused) {
    const PanelControl* entry = Find(focused);
    return Click(entry != nullptr && entry->box != nullptr ? PanelControlId::cmd_weiter : focused);
}

Changes FormEvents::Activate(PaintedControlId button) {
    return Run([&] {
        if (button == PaintedControlId::cmd_EXIT && form_.cmd_EXIT.Visible) form_.cmd_EXIT_Click();
        if (button == PaintedControlId::imgDot0 && form_.imgDot0.Visible) form_.imgDot0_Click();
        if (button == PaintedControlId::ImgDot1 && form_.ImgDot1.Visible) form_.ImgDot1_Click();
    });
}

// The window keeps its size in twips; its place is where the window system
// put it, taken at the new density.
Changes FormEvents::DensityChanged(int left, int top) {
    return Run([&] {
        const PixelGrid grid = form_.Grid();
        if (grid.TwipsX(1) != view_.grid.TwipsX(1) || grid.TwipsY(1) != view_.grid.TwipsY(1)) TakePlace(left, top);
        form_.ReshapeForDensity();
    });
}

// Start-up places the window first. A window manager may put a new window
// elsewhere all the same (i3 puts its frame where the window asked to be):
// start-up's place is asked for once more, or the window would creep at
// every start. While a button is held on the dial the drag places it, and
// the window manager's answers lag behind. Any other place taken is not sent
// back: answers to earlier moves would bounce to and fro.
Changes FormEvents::Moved(int left, int top) {
    const PixelRect now = Geometry();
    if (!placed_ || pressed_ == Target::Window || (now.left == left && now.top == top)) return {};
    if (std::exchange(askAgain_, false)) {
        Changes again;
        again.geometry = now;
        return again;
    }
    return Run([&] {
        TakePlace(left, top);
        placed_ = Geometry();
    });
}

Changes FormEvents::DisplayChanged() {
    return Run([this] { form_.DisplayChanged(); });
}

// The window manager, a logout or a termination signal: saved as when the
// red cross is clicked.
Changes FormEvents::CloseFromOutside() {
    if (form_.Unloaded) return {};
    return Run([this] { form_.Unload(); });
}

Changes FormEvents::Timer1Fired() {
    return Run([this] { form_.Timer1_Timer(); });
}

Changes FormEvents::Timer2Fired() {
    return Run([this] { form_.Timer2_Timer(); });
}

// Every assignment to a model timer restarts its countdown.
std::optional<TimerOrder> FormEvents::TimerOrderFor(const Timer& timer, unsigned& generation) const {
    if (timer.Generation() == std::exchange(generation, timer.Generation())) return std::nullopt;
    return TimerOrder{timer.Enabled() && timer.Interval() > 0, timer.Interval()};
}

Changes FormEvents::Changed() {
    Changes changes;
    if (form_.Unloaded) {
        changes.end = true;
        return changes;
    }
    if (const PixelRect geometry = Geometry(); geometry != placed_) {
        askAgain_ = !placed_;  // start-up's place; a later one of ours is answered by then
        changes.geometry = placed_ = geometry;
    }
    changes.timer1 = TimerOrderFor(form_.Timer1, timer1Generation_);
    changes.timer2 = TimerOrderFor(form_.Timer2, timer2Generation_);
    View view = ViewOf(form_);
    const bool first = !std::exchange(built_, true);
    changes.repaint = first || view.drawn != view_.drawn || view.grid != view_.grid;
    changes.panel = first || view.panel != view_.panel;
    changes.readingChanged = first || view.reading != view_.reading;
    view_ = std::move(view);
    return changes;
}

}  // namespace zeltavor
