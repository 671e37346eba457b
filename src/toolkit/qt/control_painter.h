#pragma once

#include <QPainter>

#include "app/controls.h"

namespace zeltavor::qt {

QColor ToQColor(Rgb colour);
QFont ToQFont(const Font& font);

// Draws windowless controls, whose places are in twips, onto a container.
class ControlPainter {
public:
    ControlPainter(QPainter& painter, float twipsPerPixelX, float twipsPerPixelY, Rgb containerColour);

    QPointF ToPixels(float x, float y) const;
    QRectF ToPixels(const Control& control) const;

    void Draw(const Label& label);
    void Draw(const Image& image);
    void Draw(const Line& line);

private:
    QPainter& painter_;
    float twipsPerPixelX_, twipsPerPixelY_;
    Rgb containerColour_;
};

}  // namespace zeltavor::qt
