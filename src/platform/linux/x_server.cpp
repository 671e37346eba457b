#include "x_server.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace zeltavor::linux_platform {

bool XServerReachable() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    XCloseDisplay(display);
    return true;
}

void SayThereIsNoXServer() {
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr,
                 "zeltavor: kein X-Server erreichbar (DISPLAY=%s) – bitte in einer grafischen Sitzung "
                 "starten oder unter einem virtuellen X-Server, z. B. mit: xvfb-run zeltavor\n",
                 display && *display ? display : "nicht gesetzt");
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
