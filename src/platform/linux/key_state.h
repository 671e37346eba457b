#pragma once

#include "app/platform.h"

typedef struct _XDisplay Display;

namespace zeltavor::linux_platform {

// The asynchronous key bits kept from a key's presses and releases: bit 15
// while it is down, bit 0 when it was pressed since the previous query.
class KeyLatch {
public:
    void Press() {
        down_ = true;
        pressedSinceQuery_ = true;
    }
    void Release() { down_ = false; }
    std::int16_t Query();

private:
    bool down_ = false;
    bool pressedSinceQuery_ = false;
};

// F12 on the whole X display, whichever window has the focus. Raw key events
// of the X input extension feed the latch: the owner's event loop watches
// EventSocket() and calls TakeArrivedKeyEvents() when it turns readable, so
// a query costs no system call and an idle gauge sends the server nothing.
// Without the extension there is no socket to watch and each query polls
// the keymap.
class X11KeyState final : public KeyState {
public:
    X11KeyState();  // its own connection to $DISPLAY; never down without one
    ~X11KeyState() override;
    X11KeyState(const X11KeyState&) = delete;
    X11KeyState& operator=(const X11KeyState&) = delete;

    int EventSocket() const;  // -1 when there are no key events to wait for
    void TakeArrivedKeyEvents();
    std::int16_t GetAsyncKeyState(int virtualKey) override;

private:
    void PollKeymap();

    Display* display_ = nullptr;
    int inputExtension_ = -1;  // opcode of XInput2, -1 when the server lacks it
    unsigned char f12Code_ = 0;
    bool polledDown_ = false;
    KeyLatch f12_;
};

}  // namespace zeltavor::linux_platform
