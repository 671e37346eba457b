#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "app/errors.h"
#include "app/form1.h"
#include "app/scene.h"

namespace zeltavor {

// The window's place and size on the screen, in pixels.
struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A control's place in its container, in whole pixels.
PixelRect PixelsOf(const Control& control, const Screen& screen);

// A timer to start (or restart) with its interval, or to stop.
struct TimerOrder {
    bool run = false;
    int interval = 0;
};

// What an event changed that the real window has to follow.
struct Changes {
    std::optional<PixelRect> geometry;  // a new place or size
    std::optional<TimerOrder> timer1, timer2;
    bool repaint = false;               // something drawn changed
    bool readingChanged = false;        // what a screen reader announces
    std::optional<RuntimeError> error;  // to be reported; the program then ends
    bool end = false;                   // unloaded: the program ends
};

// The road of every event from a front-end to the handlers and back: mouse
// events in pixels of the window with the handlers' button codes (1 left,
// 2 right, 4 middle), the first show, a close from outside and the timers'
// ticks. A handler's runtime error is caught here and handed back.
class FormEvents {
public:
    FormEvents(Platform& platform, Desktop& desktop);
    const Form1& form() const { return form_; }
    Form1& form() { return form_; }
    // Where the window is to stand, in pixels.
    PixelRect Geometry() const;

    Changes Load();
    Changes FirstShow();
    Changes Press(int button, double x, double y);
    Changes Move(int buttons, double x, double y);
    Changes Release(int button, double x, double y);
    Changes DoubleClick(double x, double y);
    Changes CloseFromOutside();
    Changes Timer1Fired();
    Changes Timer2Fired();
    // Any other handler: the panel's buttons, key filters and typed text.
    Changes Run(const std::function<void()>& handler);

private:
    struct Twips {
        float x, y;
    };
    Twips ToTwips(double x, double y) const;
    Changes Changed();
    std::optional<TimerOrder> Follow(const Timer& timer, unsigned& generation) const;

    Form1 form_;
    Image* pressedDot_ = nullptr;  // a dot acts on release, as a click
    bool doubleClickOnDot_ = false;
    bool shown_ = false;  // the first show has been handled
    std::optional<PixelRect> placed_;
    unsigned timer1Generation_ = 0, timer2Generation_ = 0;
    std::optional<Scene> drawn_;
};

// The panel's real controls, boxes and buttons, in their focus order, each
// with the handler it runs.
struct PanelControl {
    TextBox* box = nullptr;
    void (Form1::*keyPress)(std::int16_t&) = nullptr;
    const Button* button = nullptr;
    void (Form1::*click)() = nullptr;
};
std::vector<PanelControl> PanelControlsInFocusOrder(Form1& form);

}  // namespace zeltavor
