#include "pictures.h"

#include <QImage>
#include <QPixmapCache>

namespace zeltavor::qt {

QPixmap PixmapOf(const DrawnPicture& picture, qreal devicePixelRatio) {
    const QSize device = QSize(picture.place.width, picture.place.height) * devicePixelRatio;
    const QString name = QString(PictureName(picture.picture)) + (picture.twice ? "@2x" : "");
    const QString key = QString("%1 %2x%3 %4").arg(name).arg(device.width()).arg(device.height()).arg(devicePixelRatio);
    QPixmap pixmap;
    if (name.isEmpty() || QPixmapCache::find(key, &pixmap)) return pixmap;
    const QImage drawn(":/pictures/" + name + ".png");
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
