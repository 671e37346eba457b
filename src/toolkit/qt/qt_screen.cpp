#include "qt_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace zeltavor::qt {

namespace {
const QScreen& Primary() { return *QGuiApplication::primaryScreen(); }
}  // namespace

// Qt works the density out anew at each question, and the core asks several
// times a tick: it is measured when the window comes to another monitor.
void QtScreen::SetWindow(QWidget& window) {
    window.winId();
    QObject::connect(window.windowHandle(), &QWindow::screenChanged, [this](QScreen* screen) { Measure(*screen); });
    Measure(*window.screen());
}

void QtScreen::Measure(const QScreen& screen) {
    twipsPerPixelX_ = TwipsPerPixel(screen.logicalDotsPerInchX());
    twipsPerPixelY_ = TwipsPerPixel(screen.logicalDotsPerInchY());
    devicePixelRatio_ = screen.devicePixelRatio();
}

float QtScreen::Width() const { return Primary().geometry().width() * twipsPerPixelX_; }
// The primary, then the monitor that begins at its right edge, and so on, in
// the window's pixels; a monitor counted that is not there is as wide as the
// primary.
double QtScreen::MonitorsWidth(double count) const {
    const QRect primary = Primary().geometry();
    double pixels = 0;
    for (const QScreen* monitor = &Primary(); monitor != nullptr && count >= 1; count -= 1) {
        pixels += monitor->geometry().width();
        monitor = QGuiApplication::screenAt(QPoint(monitor->geometry().right() + 1, primary.top()));
    }
    return (pixels + count * primary.width()) * twipsPerPixelX_;
}

float QtScreen::Height() const { return Primary().geometry().height() * twipsPerPixelY_; }
PixelPoint QtScreen::PrimaryOrigin() const { return {Primary().geometry().x(), Primary().geometry().y()}; }

}  // namespace zeltavor::qt
