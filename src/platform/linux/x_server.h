#pragma once

namespace zeltavor::linux_platform {

// Whether an X server answers at $DISPLAY; Qt's X11 back-end aborts without one.
bool XServerReachable();

}  // namespace zeltavor::linux_platform
