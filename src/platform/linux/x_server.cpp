#include "x_server.h"

#include <X11/Xlib.h>

namespace zeltavor::linux_platform {

bool XServerReachable() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    XCloseDisplay(display);
    return true;
}

namespace {
void (*lossHandler)() = nullptr;
int OnIoError(Display*) {
    lossHandler();
    return 0;
}
}  // namespace

void OnXServerLoss(void (*handler)()) {
    lossHandler = handler;
    XSetIOErrorHandler(OnIoError);
}

}  // namespace zeltavor::linux_platform
