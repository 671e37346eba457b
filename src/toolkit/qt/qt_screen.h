#pragma once

#include "app/platform.h"

namespace zeltavor::qt {

// The primary screen as Qt reports it; twips per pixel from its logical density.
class QtScreen final : public Screen {
public:
    float Width() const override;
    float Height() const override;
    float TwipsPerPixelX() const override;
    float TwipsPerPixelY() const override;
};

}  // namespace zeltavor::qt
