#pragma once

#include <QWidget>

#include "app/platform.h"

namespace zeltavor::qt {

// The primary screen as Qt reports it, in twips of the density of the
// monitor the window stands on.
class QtScreen final : public Screen {
public:
    // The window whose monitor gives the density from now on.
    void SetWindow(const QWidget& window) { window_ = &window; }

    float Width() const override;
    float Height() const override;
    float TwipsPerPixelX() const override;
    float TwipsPerPixelY() const override;
    double DevicePixelRatio() const override;

private:
    const QScreen& WindowScreen() const;
    const QWidget* window_ = nullptr;
};

}  // namespace zeltavor::qt
