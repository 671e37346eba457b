// Draws every picture of the window and writes them as PNG files into the
// folder given on the command line; the build compiles them into the program.

#include <QConicalGradient>
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cstdio>
#include <vector>

namespace {

// Clock angle in degrees (0 at twelve, clockwise) to a point at radius r.
QPointF OnDial(QPointF centre, double clockDegrees, double r) {
    const double a = qDegreesToRadians(clockDegrees);
    return centre + QPointF(r * std::sin(a), -r * std::cos(a));
}

// A picture drawn for 96 dots per inch on a w x h pixel canvas, at `scale`
// times that size: the painter works in the 96-dot units either way.
template <typename Draw>
QImage Drawn(int w, int h, int scale, Draw draw) {
    QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    draw(p);
    return image;
}

// Draws the dial face into a 148 x 149 unit box.
void PaintDial(QPainter& p, bool withWindowGrey) {
    const QPointF c(74, 74);
    if (withWindowGrey) p.fillRect(QRectF(0, 0, 148, 149), QColor(192, 192, 192));

    // Metallic rim: a conical gradient reads as brushed metal catching light.
    QConicalGradient rim(c, 45);
    rim.setColorAt(0.00, QColor(245, 245, 245));
    rim.setColorAt(0.20, QColor(150, 150, 150));
    rim.setColorAt(0.45, QColor(225, 225, 225));
    rim.setColorAt(0.70, QColor(120, 120, 120));
    rim.setColorAt(1.00, QColor(245, 245, 245));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawEllipse(c, 74, 74);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(c, 69.2, 69.2);

    QRadialGradient face(c, 68, c - QPointF(0, 20));
    face.setColorAt(0, QColor(28, 28, 28));
    face.setColorAt(1, QColor(4, 4, 4));
    p.setBrush(face);
    p.drawEllipse(c, 68.5, 68.5);

    // The two grey sectors: the top of the scale (3 to 5 o'clock) and, darker,
    // its bottom (7 to 9 o'clock); black between 5 and 7.
    const auto sector = [&](double fromClock, double toClock, QColor colour) {
        QPainterPath path;
        const QRectF outer(c.x() - 67, c.y() - 67, 134, 134);
        const QRectF inner(c.x() - 36, c.y() - 36, 72, 72);
        // QPainterPath angles: 0 at three o'clock, counter-clockwise.
        path.arcMoveTo(outer, 90 - fromClock);
        path.arcTo(outer, 90 - fromClock, -(toClock - fromClock));
        path.arcTo(inner, 90 - toClock, toClock - fromClock);
        path.closeSubpath();
        p.setBrush(colour);
        p.drawPath(path);
    };
    sector(90, 150, QColor(88, 88, 88));
    sector(210, 270, QColor(44, 44, 44));

    // 60 ticks, one per dial step; every fifth longer and heavier.
    for (int step = 0; step < 60; ++step) {
        const bool major = step % 5 == 0;
        p.setPen(QPen(Qt::white, major ? 2.2 : 1.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(OnDial(c, step * 6, 66), OnDial(c, step * 6, major ? 55 : 60));
    }
    // The T at twelve: a crossbar on the outer end of the top tick.
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(c.x() - 5, c.y() - 64.5), QPointF(c.x() + 5, c.y() - 64.5));

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(c, 2.5, 2.5);
}

QImage DialFace(int scale) {
    return Drawn(148, 149, scale, [](QPainter& p) { PaintDial(p, true); }).convertToFormat(QImage::Format_Grayscale8);
}

QImage Dot(bool filled, int scale) {
    return Drawn(14, 14, scale, [filled](QPainter& p) {
        p.setPen(QPen(QColor(90, 90, 90), 0.8));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(7, 7), 6.2, 6.2);
        if (filled) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawEllipse(QPointF(7, 7), 3.0, 3.0);
        }
    });
}

void PaintHub(QPainter& p) {
    // A cone seen from above: light falls from the upper left onto its tip.
    QRadialGradient cone(QPointF(8, 8), 7.6, QPointF(6, 6));
    cone.setColorAt(0.0, QColor(255, 214, 200));
    cone.setColorAt(0.35, QColor(244, 138, 114));
    cone.setColorAt(1.0, QColor(150, 52, 40));
    p.setPen(QPen(QColor(110, 36, 28), 0.7));
    p.setBrush(cone);
    p.drawEllipse(QPointF(8, 8), 7.4, 7.4);
}

void PaintRedCross(QPainter& p) {
    // Two brush strokes with a slight sway, as drawn by hand.
    QPainterPath first(QPointF(7, 6));
    first.cubicTo(QPointF(16, 15), QPointF(22, 23), QPointF(33, 35));
    QPainterPath second(QPointF(34, 7));
    second.cubicTo(QPointF(25, 14), QPointF(17, 25), QPointF(6, 34));
    for (const auto& stroke : {first, second}) {
        p.strokePath(stroke, QPen(QColor(255, 236, 236), 10, Qt::SolidLine, Qt::RoundCap));
    }
    for (const auto& stroke : {first, second}) {
        p.strokePath(stroke, QPen(QColor(214, 16, 16), 6.5, Qt::SolidLine, Qt::RoundCap));
    }
}

// Monochrome pointing hand; the tip of the index finger is the hot spot (0, 0).
QImage HandCursor() {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QPainterPath hand;
    hand.moveTo(0, 0);
    hand.lineTo(4, 1);
    hand.lineTo(11, 9);    // index finger
    hand.lineTo(13, 8);
    hand.lineTo(16, 11);   // middle finger
    hand.lineTo(18, 11);
    hand.lineTo(21, 14);   // ring finger
    hand.lineTo(23, 14);
    hand.lineTo(26, 18);   // little finger
    hand.lineTo(26, 23);
    hand.lineTo(21, 29);   // heel of the hand
    hand.lineTo(14, 29);
    hand.lineTo(9, 24);
    hand.lineTo(4, 21);    // thumb
    hand.lineTo(3, 18);
    hand.lineTo(6, 17);
    hand.lineTo(9, 18);
    hand.lineTo(1, 5);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    // Creases between the folded fingers.
    p.drawLine(QPointF(12, 10), QPointF(14, 15));
    p.drawLine(QPointF(17, 12), QPointF(19, 16));
    p.drawLine(QPointF(22, 15), QPointF(23, 18));
    p.end();
    // Monochrome: every pixel black, white or transparent.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.alpha() < 128) image.setPixelColor(x, y, Qt::transparent);
            else image.setPixelColor(x, y, colour.lightness() < 128 ? Qt::black : Qt::white);
        }
    return image;
}

// The window icon is 67 pixels; the desktop's icon theme wants the usual sizes.
QImage Icon(int size = 67) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 148.0, size / 148.0);
    PaintDial(p, false);
    const QPointF c(74, 74);
    p.setPen(QPen(QColor(255, 0, 0), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, OnDial(c, 12, 56));  // a reading of 45 %
    p.setPen(QColor(255, 128, 0));
    QFont font("Liberation Sans");
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(24, 34, 100, 32), Qt::AlignCenter, "45 %");
    p.setPen(QColor(200, 200, 200));
    font.setPixelSize(22);
    p.setFont(font);
    p.drawText(QRectF(34, 92, 80, 28), Qt::AlignCenter, "RAM");
    p.end();
    // Colour icon with a plain (binary) transparency mask.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QColor colour = image.pixelColor(x, y);
            colour.setAlpha(colour.alpha() < 128 ? 0 : 255);
            image.setPixelColor(x, y, colour);
        }
    return image;
}

// For the Windows program: width and height as 32-bit little-endian numbers,
// then premultiplied BGRA rows from the top, ready for a DIB section.
bool WriteRawBgra(const QImage& image, const QString& path) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const quint32 size[2] = {qToLittleEndian<quint32>(pixels.width()), qToLittleEndian<quint32>(pixels.height())};
    file.write(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < pixels.height(); ++y)
        file.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
    return file.error() == QFile::NoError;
}

// The Windows program's icon in the sizes Explorer, the taskbar and the
// title bar ask for, each image a PNG (Windows Vista on). Qt's writer stores
// one size only, and bytes it never set among them.
bool WriteIconFile(const std::vector<int>& sizes, const QString& path) {
    std::vector<QByteArray> images(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        QBuffer buffer(&images[i]);
        if (!buffer.open(QIODevice::WriteOnly) || !Icon(sizes[i]).save(&buffer, "PNG")) return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sizes.size());  // an icon, this many images
    quint32 offset = 6 + 16 * sizes.size();
    for (std::size_t i = 0; i < sizes.size(); ++i) {  // 256 is written as 0
        out << quint8(sizes[i] % 256) << quint8(sizes[i] % 256) << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(images[i].size()) << quint32(offset);
        offset += images[i].size();
    }
    for (const QByteArray& image : images) out.writeRawData(image.constData(), static_cast<int>(image.size()));
    return out.status() == QDataStream::Ok && file.error() == QFile::NoError;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // fonts without a display
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) return 1;
    const struct {
        const char* name;
        QImage image;
    } pictures[] = {
        {"dial_face.png", DialFace(1)},       {"dial_face@2x.png", DialFace(2)},
        {"dot_filled.png", Dot(true, 1)},    {"dot_filled@2x.png", Dot(true, 2)},
        {"dot_empty.png", Dot(false, 1)},    {"dot_empty@2x.png", Dot(false, 2)},
        {"hub.png", Drawn(16, 16, 1, PaintHub)},           {"hub@2x.png", Drawn(16, 16, 2, PaintHub)},
        {"red_cross.png", Drawn(40, 41, 1, PaintRedCross)}, {"red_cross@2x.png", Drawn(40, 41, 2, PaintRedCross)},
        {"hand_cursor.png", HandCursor()},   {"icon.png", Icon()},
    };
    for (const auto& picture : pictures) {
        const QString png = out.filePath(picture.name);
        const QString raw = png.chopped(4) + ".bgra";
        if (!picture.image.save(png) || !WriteRawBgra(picture.image, raw)) {
            std::fprintf(stderr, "draw_pictures: cannot write %s\n", picture.name);
            return 1;
        }
    }
    if (!WriteIconFile({16, 24, 32, 48, 256}, out.filePath("icon.ico"))) {
        std::fprintf(stderr, "draw_pictures: cannot write icon.ico\n");
        return 1;
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        if (!Icon(size).save(out.filePath(QString("icon_%1.png").arg(size)))) {
            std::fprintf(stderr, "draw_pictures: cannot write icon_%d.png\n", size);
            return 1;
        }
    }
    return 0;
}
