#include "win32_screen.h"

#include <windows.h>

namespace zeltavor::win32 {

namespace {
float TwipsPerPixel(int axis) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dotsPerInch > 0 ? 1440.0f / dotsPerInch : 15.0f;
}
}  // namespace

float Win32Screen::TwipsPerPixelX() const { return TwipsPerPixel(LOGPIXELSX); }
float Win32Screen::TwipsPerPixelY() const { return TwipsPerPixel(LOGPIXELSY); }
float Win32Screen::Width() const { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX(); }
float Win32Screen::Height() const { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY(); }

}  // namespace zeltavor::win32
