#pragma once

#include "app/platform.h"

namespace zeltavor::win32 {

// The primary screen; twips per pixel from its logical density.
class Win32Screen final : public Screen {
public:
    float Width() const override;
    float Height() const override;
    float TwipsPerPixelX() const override;
    float TwipsPerPixelY() const override;
};

}  // namespace zeltavor::win32
