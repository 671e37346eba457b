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

    float Width() const override;
    float Height() const override;
    float TwipsPerPixelX() const override;
    float TwipsPerPixelY() const override;

private:
    float TwipsPerPixel(int axis) const;
    HWND window_ = nullptr;
};

}  // namespace zeltavor::win32
