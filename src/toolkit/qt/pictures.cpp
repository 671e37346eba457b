#include "pictures.h"

#include <QImage>
#include <QPixmapCache>

namespace zeltavor::qt {

QPixmap PixmapOf(Picture picture, QSize size, qreal devicePixelRatio) {
    const QSize device = size * devicePixelRatio;
    const QString name = PictureName(picture);
    const QString key = QString("%1 %2x%3 %4").arg(name).arg(device.width()).arg(device.height()).arg(devicePixelRatio);
    QPixmap pixmap;
    if (name.isEmpty() || QPixmapCache::find(key, &pixmap)) return pixmap;
    QImage drawn(":/pictures/" + name + ".png");
    if (device.width() > drawn.width() || device.height() > drawn.height())
        drawn = QImage(":/pictures/" + name + "@2x.png");
    pixmap = QPixmap::fromImage(drawn.size() == device ? drawn
                                                       : drawn.scaled(device, Qt::IgnoreAspectRatio,
                                                                      Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon WindowIcon() { return QIcon(":/pictures/icon.png"); }

QCursor CursorOf(MousePointer pointer) {
    if (pointer == MousePointer::Hand) return QCursor(QPixmap(":/pictures/hand_cursor.png"), 0, 0);
    return QCursor(Qt::ArrowCursor);
}

}  // namespace zeltavor::qt
