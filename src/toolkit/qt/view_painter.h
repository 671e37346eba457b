#pragma once

#include <QFont>
#include <QPainter>

#include "frontend/view.h"

namespace zeltavor::qt {

QColor ToQColor(Rgb colour);
QString ToQString(std::string_view text);
// The view's font for a device: Qt takes a fractional size only in points.
QFont ToQFont(const DrawnFont& font, const QPaintDevice& device);

// Paints what the window shows, back to front.
void PaintView(QPainter& painter, const View& view);

}  // namespace zeltavor::qt
