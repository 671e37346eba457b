#include "frontend/form_events.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace zeltavor {

namespace {

constexpr int kLeftButton = 1, kRightButton = 2;

bool Inside(const PixelRect& rect, double x, double y) {
    return x >= rect.left && x < rect.right() && y >= rect.top && y < rect.bottom();
}

// A toolkit's ids (a dialog manager's IDOK) may reach the panel: none of its controls.
const PanelControl* Find(PanelControlId id) {
    const auto place = static_cast<std::size_t>(id);
    return place < kPanelControlsInFocusOrder.size() ? &kPanelControlsInFocusOrder[place] : nullptr;
}

}  // namespace

void ApplyChanges(const Changes& changes, ChangesTarget& target) {
    if (changes.timer1) target.RunTimer(1, *changes.timer1);
    if (changes.timer2) target.RunTimer(2, *changes.timer2);
    if (changes.end) {
        std::fputs(changes.end->logLine.c_str(), stderr);
        if (!changes.end->boxText.empty()) target.ShowMessage(changes.end->boxText);
        return target.End(changes.end->status);
    }
    if (changes.geometry) target.Place(*changes.geometry);
    if (changes.outline) target.ShapeWindow(*changes.outline);
    if (changes.panel) target.FollowPanel();
    if (changes.repaint) target.Repaint();
    if (changes.cursor) target.ShowCursor(*changes.cursor);
    if (changes.painted) target.FollowPainted();
    if (changes.focus) target.TakeFocus(*changes.focus);
    if (changes.readingChanged) target.AnnounceReading();
    for (const std::string& message : changes.messages) target.ShowMessage(message);
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

Changes FormEvents::Run(const std::function<void()>& handler, const std::function<bool()>& unchanged) {
    try {
        handler();
        return unchanged && unchanged() ? Changes{} : Changed();
    } catch (const RuntimeError& error) {
        Changes failed;
        failed.timer1 = failed.timer2 = TimerOrder{};  // nothing runs on while it is reported
        failed.end = Ending{1, ErrorLogLine(error), closing_ ? std::string() : ErrorBoxText(error)};
        reporting_ = true;
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

// The front-most of the view's hit areas, or else the window. The panel is a
// window of its own in front of the dial: a press there stays with the panel
// and neither drags the window nor opens the options again.
const HitArea* FormEvents::HitAt(double x, double y) const {
    const auto& areas = view_.hitAreas;
    const auto hit = std::find_if(areas.rbegin(), areas.rend(), [&](const HitArea& area) { return Inside(area.place, x, y); });
    return hit == areas.rend() ? nullptr : &*hit;
}

FormEvents::Target FormEvents::TargetAt(double x, double y) {
    const HitArea* hit = HitAt(x, y);
    if (hit == nullptr) return OnWindow{};
    if (hit->button) return *hit->button;
    return OnPanel{};
}

Changes FormEvents::Press(int button, double x, double y) {
    screensChanged_ = false;
    pressed_ = TargetAt(x, y);
    if (pressed_ != Target(OnWindow{})) return {};
    const Twips at = ToTwips(x, y);
    return Run([&] { form_.MouseDown(button, 0, at.x, at.y); });
}

Changes FormEvents::Move(int buttons, double x, double y) {
    Changes changes;
    if (pressed_ == Target(OnWindow{}) || pressed_ == Target()) {
        const Twips at = ToTwips(x, y);
        changes = Run([&] { form_.MouseMove(buttons, 0, at.x, at.y); });
    }
    const HitArea* hit = HitAt(x, y);
    const MousePointer pointer = hit ? hit->pointer : MousePointer::Default;
    if (std::exchange(pointer_, pointer) != pointer) changes.cursor = pointer;
    return changes;
}

// A painted button's click is a press and a release of the left button on
// it; the second click of a double-click on a dot does nothing.
Changes FormEvents::Release(int button, double x, double y) {
    const Target pressed = std::exchange(pressed_, Target());
    const bool doubleClick = std::exchange(doubleClickOnDot_, false);
    if (pressed == Target(OnWindow{})) return Run([this] { form_.MouseUp(); });
    const auto* painted = std::get_if<PaintedControlId>(&pressed);
    if (button != kLeftButton || painted == nullptr || TargetAt(x, y) != pressed || doubleClick) return {};
    return Activate(*painted);
}

// Both platforms deliver a double-click as press, release, double-click,
// release: the double-click stands in for the second press. On a dot the
// first click has switched the source; the second does nothing.
Changes FormEvents::DoubleClick(double x, double y) {
    pressed_ = TargetAt(x, y);
    doubleClickOnDot_ = pressed_ == Target(PaintedControlId::imgDot0) || pressed_ == Target(PaintedControlId::ImgDot1);
    if (pressed_ != Target(OnWindow{})) return {};
    return Run([this] { form_.DblClick(); });
}

Changes FormEvents::OptionsKey() {
    return Run([this] { form_.MouseDown(kRightButton, 0, 0, 0); });
}

// A box telling of the text it was given is no edit.
Changes FormEvents::Edited(PanelControlId box, const std::string& text) {
    if (text == (form_.*Entry(box).box).Text) return {};
    return Run([&] { (form_.*Entry(box).box).Text = text; });
}

Changes FormEvents::Click(PanelControlId button) {
    const PanelControl* entry = Find(button);
    if (entry == nullptr || entry->click == nullptr) return {};
    return Run([&] { (form_.*entry->click)(); });
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
    if (!placed_ || pressed_ == Target(OnWindow{}) || (now.left == left && now.top == top)) return {};
    if (std::exchange(askAgain_, false)) {
        Changes again;
        again.geometry = now;
        return again;
    }
    return Run([&] {
        TakePlace(left, top);
        placed_ = Geometry();
        if (screensChanged_) form_.DisplayChanged();
    });
}

// A window manager may still move the window for the screens as they were
// (openbox keeps a corner of it on the screen): until the user takes the
// window again, such a move is brought back inside too.
Changes FormEvents::DisplayChanged() {
    screensChanged_ = true;
    return Run([this] { form_.DisplayChanged(); });
}

// The window manager, a logout or a termination signal: saved as when the
// red cross is clicked. While an error's box is open, the error ends the
// program at once.
Changes FormEvents::CloseFromOutside() {
    Changes changes;
    if (reporting_) changes.end = Ending{1, {}, {}};
    if (reporting_ || form_.Unloaded) return changes;
    closing_ = true;
    return Run([this] { form_.Unload(); });
}

// Most refresh ticks find the reading as it was: with the needle and the
// reading unchanged, and the window where the last view placed it at that
// view's density, the view is not built again.
Changes FormEvents::Timer1Fired() {
    const auto reading = NeedleAndReading();
    return Run([this] { form_.Timer1_Timer(); }, [&] {
        return NeedleAndReading() == reading && Geometry() == placed_ && form_.Grid() == view_.grid;
    });
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
        changes.end = Ending{};
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
    if (const std::optional<Focus> focus = FocusAfter(view, first)) changes.focus = focus_ = *focus;
    MarkFocus(view, focus_);
    changes.repaint = first || view.drawn != view_.drawn || view.grid != view_.grid;
    // The message line is named by what it says.
    changes.painted = first || view.painted != view_.painted || view.message != view_.message;
    changes.panel = first || view.panel != view_.panel;
    changes.readingChanged = first || view.reading != view_.reading;
    // Drawn anew on a monitor of another density, also where it has the same size in window pixels.
    if (view.outline != view_.outline || (view.outline && view.grid != view_.grid)) changes.outline = view.outline;
    changes.messages = std::exchange(form_.Messages, {});
    view_ = std::move(view);
    return changes;
}

}  // namespace zeltavor
