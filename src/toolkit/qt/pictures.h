#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

#include "frontend/view.h"

namespace zeltavor::qt {

// A compiled-in picture at a size in window pixels, drawn sharp for the
// device pixel ratio: scaled once, smoothly, from the larger of its two
// drawings, and kept.
QPixmap PixmapOf(const DrawnPicture& picture, qreal devicePixelRatio);
QIcon WindowIcon();
QCursor CursorOf(MousePointer pointer);

}  // namespace zeltavor::qt
