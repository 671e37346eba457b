// What the window does for the handlers as their desktop.
#include "gauge_window.h"
#include "system_facilities.h"
#include "text.h"

namespace zeltavor::win32 {

void GaugeWindow::TopWindow() {
    SetWindowPos(handle_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);  // flags 0x13
}

// The window manager owns the region from here on.
void GaugeWindow::ShapeWindow(const RoundRectRegion& region) {
    HRGN outline = CreateRoundRectRgn(region.left, region.top, region.right, region.bottom, region.ellipseWidth,
                                      region.ellipseHeight);
    ::SetWindowRgn(handle_, outline, TRUE);
}

bool GaugeWindow::ClearClipboard() { return win32_platform::EmptyTheClipboard(handle_); }

void GaugeWindow::ShowMessage(std::string_view text) {
    MessageBoxW(handle_, win32_platform::Utf8ToWide(text).c_str(), win32_platform::Utf8ToWide(events_.form().Caption).c_str(),
                MB_OK);
}

RunningExecutable GaugeWindow::Executable() { return win32_platform::RunningProgram(); }

}  // namespace zeltavor::win32
