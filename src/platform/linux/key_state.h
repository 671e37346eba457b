#pragma once

#include "app/platform.h"

typedef struct _XDisplay Display;

namespace zeltavor::linux_platform {

// The answer of an asynchronous key query from two polls: down now gives the
// top bit; down now but not at the previous poll counts as pressed since then.
// A press released between two polls is not seen by polling and reads 0.
std::int16_t AsyncKeyState(bool downNow, bool downAtPreviousQuery);

// The global key state through Xlib, independent of which window has focus.
class X11KeyState final : public KeyState {
public:
    explicit X11KeyState(Display* display);
    std::int16_t GetAsyncKeyState(int virtualKey) override;

private:
    Display* display_;
    unsigned char f12Code_;
    bool f12DownAtPreviousQuery_ = false;
};

}  // namespace zeltavor::linux_platform
