#include "x11_session.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace zeltavor::e2e {

namespace {

struct RawProperty {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned char* data = nullptr;
    ~RawProperty() {
        if (data) XFree(data);
    }
};

void ReadProperty(Display* display, XWindow window, const char* name, RawProperty& out) {
    unsigned long remaining = 0;
    XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 4096, False, AnyPropertyType,
                       &out.type, &out.format, &out.count, &remaining, &out.data);
}

}  // namespace

GaugeProcess::GaugeProcess(std::map<std::string, std::string> extraEnvironment, std::vector<std::string> command,
                           const std::string& errorFile) {
    std::vector<char*> argv;
    for (std::string& argument : command) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_ = ::fork();
    if (pid_ == 0) {
        for (const auto& [name, value] : extraEnvironment) ::setenv(name.c_str(), value.c_str(), 1);
        if (!errorFile.empty()) std::freopen(errorFile.c_str(), "w", stderr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    if (pid_ < 0) throw std::runtime_error("fork failed");
}

GaugeProcess::~GaugeProcess() {
    if (exited_) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
}

std::optional<int> GaugeProcess::WaitForExit(std::chrono::milliseconds timeout) {
    int status = 0;
    const bool ended = PollUntil(timeout, [&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; });
    if (!ended) return std::nullopt;
    exited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

XSession::XSession(const char* displayName) : display_(XOpenDisplay(displayName)) {
    if (display_ == nullptr) throw std::runtime_error("no X server at $DISPLAY; run the test through x_session.sh");
    // Windows come and go while the tests look at them; a request about one
    // that is gone simply finds nothing.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

XSession::~XSession() { XCloseDisplay(display_); }

std::optional<XWindow> XSession::WaitForWindow(pid_t pid, std::chrono::milliseconds timeout, XWindow other) const {
    std::optional<XWindow> found;
    PollUntil(timeout, [&] {
        RawProperty clients;
        ReadProperty(display_, DefaultRootWindow(display_), "_NET_CLIENT_LIST", clients);
        const auto* windows = reinterpret_cast<const unsigned long*>(clients.data);
        for (unsigned long i = 0; windows && i < clients.count; ++i) {
            const auto pids = CardinalListProperty(windows[i], "_NET_WM_PID");
            if (!pids.empty() && pids[0] == pid && windows[i] != other && IsMapped(windows[i])) found = windows[i];
        }
        return found.has_value();
    });
    return found;
}

std::vector<std::string> XSession::AtomListProperty(XWindow window, const char* name) const {
    RawProperty property;
    ReadProperty(display_, window, name, property);
    std::vector<std::string> names;
    const auto* atoms = reinterpret_cast<const unsigned long*>(property.data);
    for (unsigned long i = 0; atoms && property.format == 32 && i < property.count; ++i) {
        char* atomName = XGetAtomName(display_, atoms[i]);
        names.emplace_back(atomName);
        XFree(atomName);
    }
    return names;
}

std::vector<long> XSession::CardinalListProperty(XWindow window, const char* name) const {
    RawProperty property;
    ReadProperty(display_, window, name, property);
    std::vector<long> values;
    const auto* longs = reinterpret_cast<const long*>(property.data);
    for (unsigned long i = 0; longs && property.format == 32 && i < property.count; ++i) values.push_back(longs[i]);
    return values;
}

std::string XSession::Utf8Property(XWindow window, const char* name) const {
    RawProperty property;
    ReadProperty(display_, window, name, property);
    if (!property.data || property.format != 8) return {};
    return std::string(reinterpret_cast<const char*>(property.data), property.count);
}

bool XSession::IsMapped(XWindow window) const {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display_, window, &attributes) && attributes.map_state == IsViewable;
}

Rect XSession::RootGeometry(XWindow window) const {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, window, &attributes);
    int x = 0, y = 0;
    XWindow child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

Screenshot XSession::Capture(const Rect& area) const {
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), area.x, area.y,
                              static_cast<unsigned>(area.width), static_cast<unsigned>(area.height), AllPlanes,
                              ZPixmap);
    if (image == nullptr) throw std::runtime_error("XGetImage failed");
    Screenshot shot{area.width, area.height, {}};
    shot.pixels.reserve(static_cast<std::size_t>(area.width * area.height));
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            shot.pixels.push_back({static_cast<std::uint8_t>((pixel & image->red_mask) >> 16),
                                   static_cast<std::uint8_t>((pixel & image->green_mask) >> 8),
                                   static_cast<std::uint8_t>(pixel & image->blue_mask)});
        }
    XDestroyImage(image);
    return shot;
}

bool RunCommand(const std::string& command) { return std::system(command.c_str()) == 0; }

}  // namespace zeltavor::e2e
