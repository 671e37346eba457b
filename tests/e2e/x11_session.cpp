#include "x11_session.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "command.h"

namespace zeltavor::e2e {

GaugeProcess::GaugeProcess(const std::map<std::string, std::string>& extraEnvironment,
                           const std::vector<std::string>& command, const std::string& errorFile) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : extraEnvironment) environment.insert(QString::fromStdString(name), QString::fromStdString(value));
    process_.setProcessEnvironment(environment);
    process_.setStandardErrorFile(errorFile.empty() ? QProcess::nullDevice() : QString::fromStdString(errorFile));
    QStringList arguments;
    for (std::size_t i = 1; i < command.size(); ++i) arguments << QString::fromStdString(command[i]);
    process_.start(QString::fromStdString(command[0]), arguments);
    if (!process_.waitForStarted()) throw std::runtime_error("cannot start " + command[0]);
}

GaugeProcess::~GaugeProcess() {
    process_.kill();
    process_.waitForFinished();
}

std::optional<int> GaugeProcess::WaitForExit(std::chrono::milliseconds timeout) {
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(static_cast<int>(timeout.count())))
        return std::nullopt;
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : 128;
}

XSession::XSession() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) throw std::runtime_error("no X server at $DISPLAY; run the test through x_session.sh");
    // Windows come and go while the tests look at them; a request about one
    // that is gone simply finds nothing.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

XSession::~XSession() { XCloseDisplay(display_); }

std::optional<XWindow> XSession::WaitForWindow(pid_t pid, std::chrono::milliseconds timeout, XWindow other) const {
    std::optional<XWindow> found;
    PollUntil(timeout, [&] {
        std::istringstream windows(testing::CommandOutput("xdotool search --onlyvisible --pid " + std::to_string(pid)));
        for (XWindow window; windows >> window;)
            if (window != other) found = window;
        return found.has_value();
    });
    return found;
}

std::string XSession::Property(XWindow window, const char* name) const {
    const std::string shown = testing::CommandOutput("xprop -notype -id " + std::to_string(window) + " " + name);
    const auto equals = shown.find(" = ");
    return equals == std::string::npos ? "" : shown.substr(equals + 3, shown.find('\n') - equals - 3);
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
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), area.x, area.y, static_cast<unsigned>(area.width),
                              static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
    if (image == nullptr) throw std::runtime_error("XGetImage failed");
    Screenshot shot{area.width, area.height, {}};
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
