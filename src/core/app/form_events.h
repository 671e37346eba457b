#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/errors.h"
#include "app/form1.h"
#include "app/view.h"

namespace zeltavor {

// A timer to start (or restart) with its interval, or to stop.
struct TimerOrder {
    bool run = false;
    int interval = 0;
};

// What the user is told of a runtime error; the program then ends.
struct ErrorReport {
    std::string boxText;
    std::string logLine;
};

// What an event changed that the real window has to follow.
struct Changes {
    std::optional<PixelRect> geometry;  // a new place or size
    std::optional<TimerOrder> timer1, timer2;
    bool repaint = false;               // something drawn changed
    bool panel = false;                 // the panel's boxes and buttons changed
    bool readingChanged = false;        // what a screen reader announces
    std::optional<MousePointer> cursor; // the pointer to show from now on
    std::optional<ErrorReport> error;
    bool end = false;                   // unloaded: the program ends
};

// What a front-end does to follow Changes, each with its native calls.
class ChangesTarget {
public:
    virtual void RunTimer(int timer, const TimerOrder& order) = 0;  // Timer1 or Timer2
    [[noreturn]] virtual void Report(const ErrorReport& error) = 0;
    virtual void End() = 0;
    virtual void Place(const PixelRect& place) = 0;
    virtual void FollowPanel() = 0;
    virtual void Repaint() = 0;
    virtual void ShowCursor(MousePointer pointer) = 0;
    virtual void AnnounceReading() = 0;

protected:
    ~ChangesTarget() = default;
};

// Follows Changes in the one order that keeps the window right: the timers
// first (an error stops both while it is reported), then the error or the
// end, then place, panel, paint, cursor and what a screen reader is told.
void ApplyChanges(const Changes& changes, ChangesTarget& target);

// The road of every event from a front-end to the handlers and back, in the
// window's pixels: mouse events with the handlers' button codes (1 left,
// 2 right, 4 middle) anywhere in the window, the panel's included; the
// panel's keys, typed text and clicks; the first show, a close from outside,
// a new density and the timers' ticks. A handler's runtime error is caught
// here and handed back.
class FormEvents {
public:
    FormEvents(Platform& platform, Desktop& desktop);
    const Form1& form() const { return form_; }
    // What the window shows, as of the last event.
    const View& view() const { return view_; }
    // Where the window is to stand, in pixels of the desktop.
    PixelRect Geometry() const;

    Changes Load();
    Changes FirstShow();
    Changes Press(int button, double x, double y);
    Changes Move(int buttons, double x, double y);
    Changes Release(int button, double x, double y);
    Changes DoubleClick(double x, double y);
    // The Menu key or Shift+F10: what the right button does on the dial.
    Changes OptionsKey();
    // A character typed into a box: its key filter may change or discard (0) it.
    Changes KeyPress(PanelControlId box, std::int16_t& code);
    // What a box holds after typing, pasting or deleting.
    Changes Edited(PanelControlId box, const std::string& text);
    // A button's click; any other id (a dialog manager's own, a box) is nothing.
    Changes Click(PanelControlId button);
    // Return on a panel control: a button is pressed, a box presses "weiter".
    Changes ReturnKey(PanelControlId focused);
    // A painted button pressed without the mouse (by a screen reader).
    Changes Activate(PaintedControlId button);
    // The window now stands at this place on a monitor of another density.
    Changes DensityChanged(int left, int top);
    // Someone else moved the window (the window manager, a keyboard move, a
    // screen that changed): that is its place now.
    Changes Moved(int left, int top);
    // The screens changed (another resolution): the window comes back inside them.
    Changes DisplayChanged();
    Changes CloseFromOutside();
    Changes Timer1Fired();
    Changes Timer2Fired();

private:
    // What a press landed on; a dot and the red cross act on release, as a click.
    enum class Target { None, Window, imgDot0, ImgDot1, cmd_EXIT, Panel };
    struct Twips {
        float x, y;
    };
    Twips ToTwips(double x, double y) const;
    void TakePlace(int left, int top);
    Target TargetAt(Twips at) const;
    Changes Run(const std::function<void()>& handler);
    Changes Changed();
    std::optional<TimerOrder> TimerOrderFor(const Timer& timer, unsigned& generation) const;

    Form1 form_;
    View view_;
    Target pressed_ = Target::None;
    bool doubleClickOnDot_ = false;
    bool shown_ = false;  // the first show has been handled
    bool built_ = false;  // view_ describes the window
    std::optional<PixelRect> placed_;
    bool askAgain_ = false;  // start-up's place, until the window manager has answered it
    MousePointer pointer_ = MousePointer::Default;
    unsigned timer1Generation_ = 0, timer2Generation_ = 0;
};

}  // namespace zeltavor
