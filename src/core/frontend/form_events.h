#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <variant>
#include <string>
#include <tuple>
#include <vector>

#include "runtime/errors.h"
#include "model/form1.h"
#include "frontend/view.h"

namespace zeltavor {

// A timer to start (or restart) with its interval, or to stop.
struct TimerOrder {
    bool run = false;
    int interval = 0;
};

// How the program ends: with its exit status, and after a runtime error
// with a line for standard error and a box, unless nobody is there to read
// it (the window was closed from outside, at a logout).
struct Ending {
    int status = 0;
    std::string logLine;
    std::string boxText;  // empty: no box
    friend bool operator==(const Ending&, const Ending&) = default;
};

// A key as a front-end hands it on: the few the window acts on by name, any
// other as Other, a typed character with its code.
enum class Key { Other, Character, Return, Space, Tab, Menu, F10 };
struct KeyEvent {
    Key key = Key::Other;
    bool shift = false;
    char16_t character = 0;  // of a Character
};

// What an event changed that the real window has to follow.
struct Changes {
    std::optional<PixelRect> geometry;  // a new place or size
    std::optional<RoundRectRegion> outline;  // a new outline
    std::optional<TimerOrder> timer1, timer2;
    bool repaint = false;               // something drawn changed
    bool panel = false;                 // the panel's boxes and buttons changed
    bool painted = false;               // a painted control moved, showed, hid or was renamed
    bool readingChanged = false;        // what a screen reader announces
    std::optional<MousePointer> cursor; // the pointer to show from now on
    std::optional<Focus> focus;         // where the keyboard focus goes
    std::vector<std::string> messages;  // modal boxes to show, in turn
    std::optional<Ending> end;          // the program ends
};

// Where a key goes after the core: to the control with the focus as it came
// (Native, a character perhaps changed), nowhere (Taken), or to the size box,
// which has the keys typed while it is unseen.
enum class KeyRoute { Native, Taken, ToSizeBox };
struct KeyOutcome {
    Changes changes;
    KeyRoute route = KeyRoute::Native;
    char16_t character = 0;  // the one to type
};

// What a front-end does to follow Changes, each with its native calls.
class ChangesTarget {
public:
    virtual void RunTimer(int timer, const TimerOrder& order) = 0;  // Timer1 or Timer2
    // Ends the program with this status once the calls on the stack have returned.
    virtual void End(int status) = 0;
    virtual void Place(const PixelRect& place) = 0;
    virtual void ShapeWindow(const RoundRectRegion& outline) = 0;
    virtual void FollowPanel() = 0;
    virtual void Repaint() = 0;
    virtual void ShowCursor(MousePointer pointer) = 0;
    virtual void TakeFocus(const Focus& focus) = 0;
    // What a screen reader is told, where the toolkit has one.
    virtual void FollowPainted() {}
    virtual void AnnounceReading() {}
    // Modal, OK only, no icon, captioned with the program's title.
    virtual void ShowMessage(std::string_view text) = 0;

protected:
    ~ChangesTarget() = default;
};

// Follows Changes in the one order that keeps the window right: the timers
// first (an error stops both while it is reported), then the end, then
// place, outline, panel, paint, cursor, focus and what a screen reader is
// told; the boxes last, on a window that is as it should be.
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
    // A key pressed on the window or a panel control. The Menu key and
    // Shift+F10 do what the right button does on the dial; Tab and Shift+Tab
    // go round the controls in view, the painted ones after the panel's, and
    // the window; Return presses the focused button, "weiter" from a box,
    // and Space a painted button; a character or backspace passes the
    // focused box's key filter, or goes to the unseen size box.
    KeyOutcome KeyDown(const KeyEvent& key);
    // The toolkit gave the focus to a panel control, or to the window.
    void FocusMoved(std::optional<PanelControlId> control);
    // Whether a box takes this text (pasted, dropped): its key filter passes
    // every character, and it fits the box's length.
    bool Accepts(PanelControlId box, std::string_view text);
    // What a box holds after typing, pasting or deleting.
    Changes Edited(PanelControlId box, const std::string& text);
    // A button's click; any other id (a dialog manager's own, a box) is nothing.
    Changes Click(PanelControlId button);
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
    // What a press landed on: nothing yet, the window, the panel or a
    // painted button, which acts on release, as a click.
    struct OnWindow {
        friend bool operator==(OnWindow, OnWindow) = default;
    };
    struct OnPanel {
        friend bool operator==(OnPanel, OnPanel) = default;
    };
    using Target = std::variant<std::monostate, OnWindow, OnPanel, PaintedControlId>;
    struct Twips {
        float x, y;
    };
    Twips ToTwips(double x, double y) const;
    void TakePlace(int left, int top);
    const HitArea* HitAt(double x, double y) const;
    Target TargetAt(double x, double y);
    // A handler's changes; none when `unchanged` says so after it.
    Changes Run(const std::function<void()>& handler, const std::function<bool()>& unchanged = {});
    // What a refresh tick changes when it finds another reading.
    auto NeedleAndReading() const { return std::tuple(form_.SecZ.X2, form_.SecZ.Y2, form_.lbl_MEM.Caption); }
    Changes Changed();
    Changes OptionsKey();
    KeyOutcome Typed(PanelControlId box, char16_t character, KeyRoute route);
    std::optional<Focus> FocusAfter(const View& view, bool first) const;
    std::optional<TimerOrder> TimerOrderFor(const Timer& timer, unsigned& generation) const;

    Form1 form_;
    View view_;
    Target pressed_;
    bool doubleClickOnDot_ = false;
    bool shown_ = false;  // the first show has been handled
    bool built_ = false;  // view_ describes the window
    std::optional<PixelRect> placed_;
    bool askAgain_ = false;  // start-up's place, until the window manager has answered it
    bool screensChanged_ = false;  // since the user last pressed on the window
    MousePointer pointer_ = MousePointer::Default;
    Focus focus_;
    bool closing_ = false;    // closed from outside: nobody reads a box
    bool reporting_ = false;  // an error's box is open
    unsigned timer1Generation_ = 0, timer2Generation_ = 0;
};

}  // namespace zeltavor
