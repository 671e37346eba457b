#include "key_state.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

namespace zeltavor::linux_platform {

std::int16_t KeyLatch::Query() {
    const int bits = (down_ ? 0x8000 : 0) | (pressedSinceQuery_ ? 0x0001 : 0);
    pressedSinceQuery_ = false;
    return static_cast<std::int16_t>(bits);
}

X11KeyState::X11KeyState() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) return;
    f12Code_ = XKeysymToKeycode(display_, XK_F12);
    int event = 0, error = 0, major = 2, minor = 0;
    if (!XQueryExtension(display_, "XInputExtension", &inputExtension_, &event, &error) ||
        XIQueryVersion(display_, &major, &minor) != Success) {
        inputExtension_ = -1;
        return;
    }
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask{XIAllMasterDevices, sizeof bits, bits};
    XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
    XFlush(display_);
}

X11KeyState::~X11KeyState() {
    if (display_ != nullptr) XCloseDisplay(display_);
}

int X11KeyState::EventSocket() const { return inputExtension_ >= 0 ? ConnectionNumber(display_) : -1; }

std::int16_t X11KeyState::GetAsyncKeyState(int virtualKey) {
    if (virtualKey != VK_F12 || f12Code_ == 0) return 0;  // the only key the gauge watches
    if (inputExtension_ < 0) PollKeymap();
    return f12_.Query();
}

// Reads only what has already arrived: no round trip to the server.
void X11KeyState::TakeArrivedKeyEvents() {
    if (inputExtension_ < 0) return;
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != inputExtension_ || !XGetEventData(display_, cookie))
            continue;
        const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
        if (raw->detail == f12Code_) {
            if (cookie->evtype == XI_RawKeyPress) f12_.Press();
            if (cookie->evtype == XI_RawKeyRelease) f12_.Release();
        }
        XFreeEventData(display_, cookie);
    }
}

// Polling misses a press released again before the next query.
void X11KeyState::PollKeymap() {
    char keys[32] = {};
    XQueryKeymap(display_, keys);
    const bool down = (keys[f12Code_ / 8] >> (f12Code_ % 8)) & 1;
    if (down && !polledDown_) f12_.Press();
    if (!down && polledDown_) f12_.Release();
    polledDown_ = down;
}

}  // namespace zeltavor::linux_platform
