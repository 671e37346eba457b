#include "control_painter.h"

#include <QFontMetricsF>
#include <algorithm>

#include "gauge_window.h"
#include "pictures.h"

namespace zeltavor::qt {

QColor ToQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

QFont ToQFont(const Font& font) {
    // Metric-compatible stand-ins for the classic dialog fonts.
    QFont qfont(font.family == Font::Family::Serif ? "Liberation Serif" : "Liberation Sans");
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

ControlPainter::ControlPainter(QPainter& painter, float twipsPerPixelX, float twipsPerPixelY, Rgb containerColour)
    : painter_(painter),
      twipsPerPixelX_(twipsPerPixelX),
      twipsPerPixelY_(twipsPerPixelY),
      containerColour_(containerColour) {}

QPointF ControlPainter::ToPixels(float x, float y) const { return {x / twipsPerPixelX_, y / twipsPerPixelY_}; }

QRectF ControlPainter::ToPixels(const Control& control) const {
    return {ToPixels(control.Left, control.Top), ToPixels(control.Left + control.Width, control.Top + control.Height)};
}

void ControlPainter::Draw(const Label& label) {
    if (!label.Visible) return;
    const QRectF box = ToPixels(label);
    if (!label.Transparent) painter_.fillRect(box, ToQColor(containerColour_));
    const std::string_view caption = ShownCaption(label);
    const QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    // The stand-in fonts run a little wider than the classic ones: a caption
    // that would not fit its label is narrowed rather than broken or cut.
    QFont font = ToQFont(label.LabelFont);
    const double needed = QFontMetricsF(font).horizontalAdvance(text);
    if (needed > box.width()) font.setStretch(std::max(60, static_cast<int>(100 * box.width() / needed)));
    painter_.setFont(font);
    const int flags = (label.Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop | Qt::TextSingleLine;
    if (label.Enabled) {
        painter_.setPen(ToQColor(label.ForeColor));
    } else {
        // The classic disabled look: a light emboss under grey text.
        painter_.setPen(Qt::white);
        painter_.drawText(box.translated(1, 1), flags, text);
        painter_.setPen(QColor(128, 128, 128));
    }
    painter_.drawText(box, flags, text);
}

void ControlPainter::Draw(const Image& image) {
    if (image.Visible) painter_.drawPixmap(ToPixels(image.Left, image.Top), PixmapOf(image.Content));
}

void ControlPainter::Draw(const Line& line) {
    painter_.setPen(QPen(ToQColor(line.Colour), line.WidthPixels, Qt::SolidLine, Qt::RoundCap));
    painter_.drawLine(ToPixels(line.X1, line.Y1), ToPixels(line.X2, line.Y2));
}

void GaugeWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(form().BackColor));
    if (const QPixmap& dial = PixmapOf(form().BackgroundPicture); !dial.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (form().Width() == form().Height())
            painter.drawPixmap(rect(), dial);  // stretched over the square instrument
        else
            painter.drawPixmap(QPointF(0, 0), dial);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const auto& screen = form().platform().screen;
    ControlPainter controls(painter, screen.TwipsPerPixelX(), screen.TwipsPerPixelY(), form().BackColor);
    DrawWindowControls(form(), controls);
}

}  // namespace zeltavor::qt
