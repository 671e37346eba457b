#include "x_server.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>

namespace zeltavor::linux_platform {

namespace {

std::string DisplayNamed() {
    const char* display = std::getenv("DISPLAY");
    return std::string("DISPLAY=") + (display && *display ? display : "nicht gesetzt");
}

// Qt draws in true colours only; on a palette of 256 it crashes.
std::optional<std::string> WhyNotDrawable(Display& display) {
    const int depth = DefaultDepth(&display, DefaultScreen(&display));
    const int kind = DefaultVisual(&display, DefaultScreen(&display))->c_class;
    if (depth >= 15 && (kind == TrueColor || kind == DirectColor)) return std::nullopt;
    return "zeltavor: der X-Server (" + DisplayNamed() + ") zeigt " + std::to_string(depth) +
           " Bit Farbtiefe ohne Echtfarben; das Programm braucht mindestens 16 Bit – bitte den X-Server "
           "mit mehr Farbtiefe starten, z. B. Xvfb -screen 0 1024x768x24\n";
}

}  // namespace

// A server that refuses the connection says why, and libxcb writes that
// straight to standard error: it is caught here to go into the one line.
std::optional<std::string> WhyNoXServer() {
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC | O_NONBLOCK) != 0) return std::nullopt;  // Qt will tell
    const int standardError = ::dup(STDERR_FILENO);
    ::dup2(channel[1], STDERR_FILENO);
    Display* display = XOpenDisplay(nullptr);
    ::dup2(standardError, STDERR_FILENO);
    ::close(standardError);
    ::close(channel[1]);
    char reason[512] = {};
    const ssize_t length = ::read(channel[0], reason, sizeof reason - 1);
    ::close(channel[0]);
    if (display != nullptr) {
        const auto why = WhyNotDrawable(*display);
        XCloseDisplay(display);
        return why;
    }
    std::string refusal(reason, length > 0 ? static_cast<std::size_t>(length) : 0);
    while (!refusal.empty() && std::isspace(static_cast<unsigned char>(refusal.back()))) refusal.pop_back();
    return NoXServerLine(refusal);
}

std::string NoXServerLine(const std::string& refusal) {
    const std::string at = DisplayNamed();
    if (!refusal.empty())
        return "zeltavor: der X-Server (" + at + ") verweigert den Zugang (" + refusal +
               ") – bitte in der grafischen Sitzung starten, der er gehört, oder XAUTHORITY auf ihre Berechtigung setzen\n";
    return "zeltavor: kein X-Server erreichbar (" + at + ") – bitte in einer grafischen Sitzung starten oder unter "
           "einem virtuellen X-Server, z. B. mit: xvfb-run zeltavor\n";
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
