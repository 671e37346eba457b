#include "gauge_window.h"

#include <windowsx.h>

#include <cstdio>
#include <string>

#include "pictures.h"
#include "text.h"

namespace zeltavor::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"ZeltavorGauge";
constexpr UINT_PTR kTimer1 = 1, kTimer2 = 2;

// Mouse buttons as the handlers count them: 1 left, 2 right, 4 middle.
int ButtonsHeld(WPARAM keys) {
    return (keys & MK_LBUTTON ? 1 : 0) | (keys & MK_RBUTTON ? 2 : 0) | (keys & MK_MBUTTON ? 4 : 0);
}

}  // namespace

GaugeWindow::GaugeWindow(Platform& platform) : events_(platform, *this) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;  // the double-click moves the instrument
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = WindowIcon();
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
    const std::wstring caption = win32_platform::Utf8ToWide(form().Caption);
    CreateWindowExW(0, kWindowClass, caption.c_str(), WS_POPUP | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                    static_cast<int>(form().Width() / 15), static_cast<int>(form().Height() / 15), nullptr, nullptr,
                    GetModuleHandleW(nullptr), this);
    panel_ = std::make_unique<OptionsPanel>(handle_, events_.form(), [this](const std::function<void()>& handler) {
        Apply(events_.Run(handler));
    });
    Apply(events_.Load());
    ShowWindow(handle_, SW_SHOW);
    SetFocus(panel_->FirstInFocusOrder());
}

LRESULT CALLBACK GaugeWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<GaugeWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
        window->handle_ = hwnd;
    }
    auto* window = reinterpret_cast<GaugeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return window ? window->Handle(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT GaugeWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (message) {
        case WM_TIMER:
            Apply(wParam == kTimer1 ? events_.Timer1Fired() : events_.Timer2Fired());
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SHOWWINDOW:
            if (wParam) Apply(events_.FirstShow());
            break;
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
            SetCapture(handle_);
            Apply(events_.Press(message == WM_LBUTTONDOWN ? 1 : message == WM_RBUTTONDOWN ? 2 : 4, x, y));
            return 0;
        case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
            ReleaseCapture();
            Apply(events_.Release(message == WM_LBUTTONUP ? 1 : message == WM_RBUTTONUP ? 2 : 4, x, y));
            return 0;
        case WM_MOUSEMOVE:
            Apply(events_.Move(ButtonsHeld(wParam), x, y));
            return 0;
        case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
            SetCapture(handle_);
            Apply(events_.DoubleClick(x, y));
            return 0;
        // A logoff: nothing may wait for a click, not even a box that is open,
        // and the program ends here.
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (!wParam) return 0;
            if (reportingError_) ExitProcess(1);
            sessionEnding_ = true;
            Apply(events_.CloseFromOutside());
            ExitProcess(0);
        case WM_CLOSE:
            Apply(events_.CloseFromOutside());
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

void GaugeWindow::Apply(const Changes& changes) {
    Follow(changes.timer1, kTimer1);  // an error's record stops both while it is reported
    Follow(changes.timer2, kTimer2);
    if (changes.error) Fail(*changes.error);
    if (changes.end) {
        DestroyWindow(handle_);
        return;
    }
    if (changes.geometry) {
        const PixelRect& place = *changes.geometry;
        SetWindowPos(handle_, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    panel_->ApplyModel();
    if (changes.repaint) {
        InvalidateRect(handle_, nullptr, FALSE);
        panel_->Invalidate();
    }
}

// A runtime error is reported and ends the program; at a logoff nobody is
// there to read a box.
void GaugeWindow::Fail(const RuntimeError& error) {
    std::fprintf(stderr, "zeltavor: Laufzeitfehler %d: %s\n", error.number(), error.what());
    if (sessionEnding_) ExitProcess(1);
    reportingError_ = true;
    ShowMessage("Laufzeitfehler '" + std::to_string(error.number()) + "':\n\n" + error.what());
    ExitProcess(1);
}

// SetTimer on the same id restarts its countdown.
void GaugeWindow::Follow(const std::optional<TimerOrder>& order, UINT_PTR id) {
    if (!order) return;
    if (order->run)
        SetTimer(handle_, id, static_cast<UINT>(order->interval), nullptr);
    else
        KillTimer(handle_, id);
}

}  // namespace zeltavor::win32
