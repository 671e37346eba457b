#pragma once

#include <QFont>
#include <QPainter>

#include "frontend/view.h"

namespace zeltavor::qt {

QColor ToQColor(Rgb colour);
QString ToQString(std::string_view text);
QFont ToQFont(const DrawnFont& font);

// Paints what the window shows, back to front.
void PaintView(QPainter& painter, const View& view);

}  // namespace zeltavor::qt
