#pragma once

#include <windows.h>

#include "runtime/platform.h"

namespace zeltavor::win32 {

// The primary screen, in twips of the density of the monitor the window
// stands on.
class Win32Screen final : public Screen {
public:
    // The window whose monitor gives the density from now on.
    void SetWindow(HWND window) { window_ = window; }

    float Width() const override { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX(); }
    float Height() const override { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY(); }
    float TwipsPerPixelX() const override { return TwipsPerPixel(LOGPIXELSX); }
    float TwipsPerPixelY() const override { return TwipsPerPixel(LOGPIXELSY); }

private:
    float TwipsPerPixel(int axis) const;
    HWND window_ = nullptr;
};

}  // namespace zeltavor::win32
