#include "view_painter.h"

#include <QFontMetricsF>

#include "pictures.h"

namespace zeltavor::qt {

QColor ToQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Metric-compatible stand-ins for the classic dialog fonts, as high as the
// view says at the device's density.
QFont ToQFont(const DrawnFont& font, const QPaintDevice& device) {
    QFont qfont(font.font.family == Font::Family::Serif ? "Liberation Serif" : "Liberation Sans");
    qfont.setPointSizeF(font.pixelHeight * 72 / device.logicalDpiY());
    qfont.setBold(font.font.bold);
    return qfont;
}

namespace {

QRect ToQRect(const PixelRect& place) { return {place.left, place.top, place.width, place.height}; }

class Painter {
public:
    explicit Painter(QPainter& painter) : painter_(painter) {}

    void operator()(const DrawnFill& fill) { painter_.fillRect(ToQRect(fill.place), ToQColor(fill.colour)); }

    void operator()(const DrawnPicture& picture) {
        const QRect place = ToQRect(picture.place);
        painter_.drawPixmap(place, PixmapOf(picture, painter_.device()->devicePixelRatioF()));
    }

    void operator()(const DrawnText& text) {
        const QString caption = ToQString(text.text);
        const QRect place = ToQRect(text.place);
        QFont font = ToQFont(text.font, *painter_.device());
        if (const int stretch = NarrowedStretch(QFontMetricsF(font).horizontalAdvance(caption), place.width());
            stretch < 100)
            font.setStretch(stretch);
        painter_.setFont(font);
        const int flags = (text.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop | Qt::TextSingleLine;
        if (text.emboss) {
            painter_.setPen(ToQColor(*text.emboss));
            painter_.drawText(place.translated(text.embossOffset, text.embossOffset), flags, caption);
        }
        painter_.setPen(ToQColor(text.colour));
        painter_.drawText(place, flags, caption);
    }

    void operator()(const DrawnLine& line) {
        painter_.setPen(QPen(ToQColor(line.colour), line.width, Qt::SolidLine, Qt::RoundCap));
        painter_.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
    }

private:
    QPainter& painter_;
};

}  // namespace

void PaintView(QPainter& painter, const View& view) {
    painter.setRenderHint(QPainter::Antialiasing);
    Painter paint(painter);
    for (const Drawn& drawn : view.drawn) std::visit(paint, drawn);
}

}  // namespace zeltavor::qt
