// What the window does for the handlers as their desktop.
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <utility>

#include "gauge_window.h"
#include "window_outline.h"
#include "system_facilities.h"
#include "view_painter.h"

namespace zeltavor::qt {

void GaugeWindow::TopWindow() { raise(); }

// A compositor (mutter) cuts an outline to the size the window has as it
// reads it: one for a new size waits until the window manager has given it.
void GaugeWindow::ShapeWindow(const RoundRectRegion& region) {
    outline_ = region;
    if (!isVisible() || sizeGiven_ == QSize(region.right - region.left, region.bottom - region.top)) FollowOutline();
}

void GaugeWindow::FollowOutline() {
    if (const auto region = std::exchange(outline_, std::nullopt)) SetOutline(*this, *region, view().grid.DevicePixelRatio());
}

// X11 lets nobody hold the clipboard.
bool GaugeWindow::ClearClipboard() { return QGuiApplication::clipboard()->clear(QClipboard::Clipboard), true; }

void GaugeWindow::ShowMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(form().Caption), ToQString(text), QMessageBox::Ok, this);
    box.exec();
}

RunningExecutable GaugeWindow::Executable() { return linux_platform::RunningProgram(); }

}  // namespace zeltavor::qt
