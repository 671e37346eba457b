#include "key_state.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace zeltavor::linux_platform {

std::int16_t AsyncKeyState(bool downNow, bool downAtPreviousQuery) {
    if (!downNow) return 0;
    return static_cast<std::int16_t>(downAtPreviousQuery ? 0x8000 : 0x8001);
}

X11KeyState::X11KeyState(Display* display)
    : display_(display), f12Code_(display ? XKeysymToKeycode(display, XK_F12) : 0) {}

std::int16_t X11KeyState::GetAsyncKeyState(int virtualKey) {
    if (virtualKey != VK_F12 || f12Code_ == 0) return 0;  // the only key the gauge watches
    char keys[32] = {};
    XQueryKeymap(display_, keys);
    const bool downNow = (keys[f12Code_ / 8] >> (f12Code_ % 8)) & 1;
    const std::int16_t state = AsyncKeyState(downNow, f12DownAtPreviousQuery_);
    f12DownAtPreviousQuery_ = downNow;
    return state;
}

}  // namespace zeltavor::linux_platform
