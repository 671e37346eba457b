#pragma once

namespace zeltavor::linux_platform {

// Whether an X server answers at $DISPLAY; Qt's X11 back-end aborts without one.
bool XServerReachable();

// Says, in one line on standard error, that there is none and how to get one.
void SayThereIsNoXServer();

// Called instead of Xlib's report when a connection of this process to the
// X server breaks; it must not return.
void OnXServerLoss(void (*handler)());

}  // namespace zeltavor::linux_platform
