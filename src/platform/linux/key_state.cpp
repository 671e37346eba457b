#include "key_state.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <system_error>

namespace zeltavor::linux_platform {

std::int16_t KeyLatch::Query() {
    const int bits = (down_ ? 0x8000 : 0) | (pressedSinceQuery_ ? 0x0001 : 0);
    pressedSinceQuery_ = false;
    return static_cast<std::int16_t>(bits);
}

X11KeyState::X11KeyState() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) return;
    f12Code_ = XKeysymToKeycode(display_, XK_F12);
    stopReading_ = ::eventfd(0, EFD_CLOEXEC);
    int event = 0, error = 0, major = 2, minor = 0;
    if (stopReading_ < 0 || !XQueryExtension(display_, "XInputExtension", &inputExtension_, &event, &error) ||
        XIQueryVersion(display_, &major, &minor) != Success) {
        inputExtension_ = -1;
        return;
    }
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XIEventMask mask{XIAllMasterDevices, sizeof bits, bits};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
    XFlush(display_);
    try {
        reader_ = std::thread(&X11KeyState::ReadKeyEvents, this);
    } catch (const std::system_error&) {
        // Nobody would read them: stop the events and poll the keymap instead.
        std::fill(std::begin(bits), std::end(bits), 0);
        XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
        XFlush(display_);
        inputExtension_ = -1;
    }
}

X11KeyState::~X11KeyState() {
    if (reader_.joinable()) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = ::write(stopReading_, &one, sizeof one);
        reader_.join();
    }
    if (stopReading_ >= 0) ::close(stopReading_);
    if (display_ != nullptr) XCloseDisplay(display_);
}

std::int16_t X11KeyState::GetAsyncKeyState(int virtualKey) {
    if (virtualKey != VK_F12 || f12Code_ == 0) return 0;  // the only key the gauge watches
    if (inputExtension_ < 0) PollKeymap();
    const std::lock_guard lock(latchMutex_);
    return f12_.Query();
}

void X11KeyState::ReadKeyEvents() {
    pollfd watched[] = {{ConnectionNumber(display_), POLLIN, 0}, {stopReading_, POLLIN, 0}};
    for (;;) {
        // Xlib may already hold events it read along with a reply: take
        // those before sleeping on the socket.
        TakeArrivedKeyEvents();
        if (::poll(watched, 2, -1) < 0 && errno != EINTR) return;
        if (watched[1].revents != 0) return;
    }
}

// Reads only what has already arrived: no round trip to the server. A lost
// connection ends here, in Xlib's handler for it.
void X11KeyState::TakeArrivedKeyEvents() {
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != inputExtension_ || !XGetEventData(display_, cookie))
            continue;
        const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
        if (raw->detail == f12Code_) {
            const std::lock_guard lock(latchMutex_);
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
    const std::lock_guard lock(latchMutex_);
    if (down && !polledDown_) f12_.Press();
    if (!down && polledDown_) f12_.Release();
    polledDown_ = down;
}

}  // namespace zeltavor::linux_platform
