#pragma once

#include <QWidget>

#include "runtime/platform.h"

namespace zeltavor::qt {

// The window's outline from now on: a rectangle with corners rounded by an
// ellipse, which is clamped to the rectangle, at RATIO device pixels a window pixel.
void SetOutline(QWidget& window, const RoundRectRegion& region, double ratio);

}  // namespace zeltavor::qt
