#pragma once

#include <QWidget>

#include "runtime/platform.h"

namespace zeltavor::qt {

// The primary screen as Qt reports it, in twips of the density of the
// monitor the window stands on.
class QtScreen final : public Screen {
public:
    // The window whose monitor gives the density from now on; its native
    // window is made here, so that a move to another monitor is followed.
    void SetWindow(QWidget& window);

    float Width() const override;
    float Height() const override;
    double MonitorsWidth(double count) const override;
    PixelPoint PrimaryOrigin() const override;
    float TwipsPerPixelX() const override { return twipsPerPixelX_; }
    float TwipsPerPixelY() const override { return twipsPerPixelY_; }
    double DevicePixelRatio() const override { return devicePixelRatio_; }

private:
    void Measure(const QScreen& screen);

    float twipsPerPixelX_ = 15, twipsPerPixelY_ = 15;
    double devicePixelRatio_ = 1;
};

}  // namespace zeltavor::qt
