#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

#include "app/controls.h"

namespace zeltavor::qt {

// The compiled-in pictures; Qt picks the twice-as-large dial on dense screens.
const QPixmap& PixmapOf(Picture picture);
QIcon WindowIcon();
QCursor CursorOf(MousePointer pointer);

}  // namespace zeltavor::qt
