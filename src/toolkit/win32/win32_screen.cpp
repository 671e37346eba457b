#include "win32_screen.h"

namespace zeltavor::win32 {

namespace {

// Windows 10 1607 and later know each monitor's density; older ones one for all.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
GetDpiForWindowFunction GetDpiForWindowIfThere() {
    static const auto function = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return function;
}

}  // namespace

float Win32Screen::TwipsPerPixel(int axis) const {
    int dotsPerInch = 0;
    if (const auto getDpiForWindow = GetDpiForWindowIfThere(); getDpiForWindow && window_) {
        dotsPerInch = static_cast<int>(getDpiForWindow(window_));
    } else {
        HDC screen = GetDC(nullptr);
        dotsPerInch = GetDeviceCaps(screen, axis);
        ReleaseDC(nullptr, screen);
    }
    return zeltavor::TwipsPerPixel(dotsPerInch);
}

}  // namespace zeltavor::win32
