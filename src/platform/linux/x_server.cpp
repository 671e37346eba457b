#include "x_server.h"

#include <X11/Xlib.h>

namespace zeltavor::linux_platform {

bool XServerReachable() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    XCloseDisplay(display);
    return true;
}

}  // namespace zeltavor::linux_platform
