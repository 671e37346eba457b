#pragma once

#include <mutex>
#include <thread>

#include "runtime/platform.h"

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
// of the X input extension feed the latch from a thread of their own that
// sleeps until one arrives: a query costs no system call, and an idle gauge
// neither wakes for keys nor sends the server anything. Without the
// extension each query polls the keymap instead.
class X11KeyState final : public KeyState {
public:
    X11KeyState();  // its own connection to $DISPLAY; never down without one
    ~X11KeyState() override;
    X11KeyState(const X11KeyState&) = delete;
    X11KeyState& operator=(const X11KeyState&) = delete;

    std::int16_t GetAsyncKeyState(int virtualKey) override;

private:
    void ReadKeyEvents();  // the reader thread, until stopReading_ is signalled
    void TakeArrivedKeyEvents();
    void PollKeymap();

    Display* display_ = nullptr;  // the reader's alone while it runs
    int inputExtension_ = -1;     // opcode of XInput2, -1 when the server lacks it
    unsigned char f12Code_ = 0;
    bool polledDown_ = false;
    std::mutex latchMutex_;
    KeyLatch f12_;
    int stopReading_ = -1;  // an eventfd
    std::thread reader_;
};

}  // namespace zeltavor::linux_platform
