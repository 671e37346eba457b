#include "app/form_events.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zeltavor {

namespace {

// X11 holds window coordinates in 16 bits, and so do the Win32 messages: a
// position beyond them is shown at the nearest one they can hold.
int ToPixels(float twips, float twipsPerPixel) {
    return static_cast<int>(std::clamp(std::nearbyint(static_cast<double>(twips) / twipsPerPixel), -32768.0, 32767.0));
}

}  // namespace

PixelRect PixelsOf(const Control& control, const Screen& screen) {
    const auto px = [](float twips, float perPixel) { return static_cast<int>(std::lround(twips / perPixel)); };
    return {px(control.Left, screen.TwipsPerPixelX()), px(control.Top, screen.TwipsPerPixelY()),
            px(control.Width, screen.TwipsPerPixelX()), px(control.Height, screen.TwipsPerPixelY())};
}

FormEvents::FormEvents(Platform& platform, Desktop& desktop) : form_(platform, desktop) {}

PixelRect FormEvents::Geometry() const {
    const Screen& screen = form_.platform().screen;
    return {ToPixels(form_.Left, screen.TwipsPerPixelX()), ToPixels(form_.Top, screen.TwipsPerPixelY()),
            ToPixels(form_.Width(), screen.TwipsPerPixelX()), ToPixels(form_.Height(), screen.TwipsPerPixelY())};
}

Changes FormEvents::Run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        Changes failed;
        failed.error = error;
        failed.timer1 = failed.timer2 = TimerOrder{};  // nothing runs on while it is reported
        return failed;
    }
    return Changed();
}

Changes FormEvents::Load() { return Run([this] { form_.Load(); }); }

// The platform runs Resize once more as it first shows the window.
Changes FormEvents::FirstShow() {
    if (std::exchange(shown_, true)) return {};
    return Run([this] {
        form_.Visible = true;
        form_.Resize();
    });
}

FormEvents::Twips FormEvents::ToTwips(double x, double y) const {
    const Screen& screen = form_.platform().screen;
    return {static_cast<float>(x * screen.TwipsPerPixelX()), static_cast<float>(y * screen.TwipsPerPixelY())};
}

Changes FormEvents::Press(int button, double x, double y) {
    const Twips at = ToTwips(x, y);
    pressedDot_ = form_.DotAt(at.x, at.y);
    if (pressedDot_) return {};
    return Run([&] { form_.MouseDown(button, 0, at.x, at.y); });
}

Changes FormEvents::Move(int buttons, double x, double y) {
    if (pressedDot_) return {};
    const Twips at = ToTwips(x, y);
    return Run([&] { form_.MouseMove(buttons, 0, at.x, at.y); });
}

// A dot's click is a press and a release of the left button on it.
Changes FormEvents::Release(int button, double x, double y) {
    if (!pressedDot_) return Run([this] { form_.MouseUp(); });
    Image* dot = std::exchange(pressedDot_, nullptr);
    const Twips at = ToTwips(x, y);
    const bool click = !std::exchange(doubleClickOnDot_, false) && button == 1 && form_.DotAt(at.x, at.y) == dot;
    if (!click) return {};
    return Run([this, dot] { form_.DotClick(*dot); });
}

// Both platforms deliver a double-click as press, release, double-click,
// release: the double-click stands in for the second press. On a dot the
// first click has switched the source; the second does nothing.
Changes FormEvents::DoubleClick(double x, double y) {
    const Twips at = ToTwips(x, y);
    pressedDot_ = form_.DotAt(at.x, at.y);
    doubleClickOnDot_ = pressedDot_ != nullptr;
    if (pressedDot_) return {};
    return Run([this] { form_.DblClick(); });
}

// The window manager, a logout or a termination signal: saved as when the
// red cross is clicked.
Changes FormEvents::CloseFromOutside() {
    if (form_.Unloaded) return {};
    return Run([this] { form_.Unload(); });
}

Changes FormEvents::Timer1Fired() { return Run([this] { form_.Timer1_Timer(); }); }

Changes FormEvents::Timer2Fired() { return Run([this] { form_.Timer2_Timer(); }); }

// Every assignment to a model timer restarts its countdown.
std::optional<TimerOrder> FormEvents::Follow(const Timer& timer, unsigned& generation) const {
    if (timer.Generation() == std::exchange(generation, timer.Generation())) return std::nullopt;
    return TimerOrder{timer.Enabled() && timer.Interval() > 0, timer.Interval()};
}

Changes FormEvents::Changed() {
    Changes changes;
    if (form_.Unloaded) {
        changes.end = true;
        return changes;
    }
    if (const PixelRect geometry = Geometry(); geometry != placed_) changes.geometry = placed_ = geometry;
    changes.timer1 = Follow(form_.Timer1, timer1Generation_);
    changes.timer2 = Follow(form_.Timer2, timer2Generation_);
    Scene scene = SceneOf(form_);
    if (scene != drawn_) {
        changes.repaint = true;
        changes.readingChanged = !drawn_ || scene.lbl_MEM.Caption != drawn_->lbl_MEM.Caption ||
                                 scene.lblHDRAM.Caption != drawn_->lblHDRAM.Caption;
        drawn_ = std::move(scene);
    }
    return changes;
}

std::vector<PanelControl> PanelControlsInFocusOrder(Form1& form) {
    return {{&form.txtHeight, &Form1::txtHeight_KeyPress, nullptr, nullptr},
            {nullptr, nullptr, &form.cmd_weiter, &Form1::cmd_weiter_Click},
            {&form.Monis, &Form1::Monis_KeyPress, nullptr, nullptr},
            {nullptr, nullptr, &form.cmd_auto, &Form1::cmd_auto_Click},
            {nullptr, nullptr, &form.cmd_aus, &Form1::cmd_aus_Click},
            {nullptr, nullptr, &form.cmd_clear, &Form1::cmd_clear_Click}};
}

}  // namespace zeltavor
