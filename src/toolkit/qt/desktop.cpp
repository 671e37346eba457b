// What the window does for the handlers as their desktop.
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

#include "gauge_window.h"
#include "window_outline.h"
#include "system_facilities.h"
#include "view_painter.h"

namespace zeltavor::qt {

void GaugeWindow::TopWindow() { raise(); }

void GaugeWindow::SetWindowRgn(const RoundRectRegion& region) { SetOutline(*this, region); }

void GaugeWindow::ClearClipboard() { QGuiApplication::clipboard()->clear(QClipboard::Clipboard); }

void GaugeWindow::ShowMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(form().Caption),
                    ToQString(text), QMessageBox::Ok, this);
    box.exec();
}

RunningExecutable GaugeWindow::Executable() { return linux_platform::RunningProgram(); }

}  // namespace zeltavor::qt
