#include "pictures.h"

#include <map>

namespace zeltavor::qt {

const QPixmap& PixmapOf(Picture picture) {
    static const std::map<Picture, QPixmap> pixmaps = {
        {Picture::None, QPixmap()},
        {Picture::DialFace, QPixmap(":/pictures/dial_face.png")},
        {Picture::FilledDot, QPixmap(":/pictures/dot_filled.png")},
        {Picture::EmptyDot, QPixmap(":/pictures/dot_empty.png")},
        {Picture::Hub, QPixmap(":/pictures/hub.png")},
        {Picture::RedCross, QPixmap(":/pictures/red_cross.png")},
    };
    return pixmaps.at(picture);
}

QIcon WindowIcon() { return QIcon(":/pictures/icon.png"); }

QCursor CursorOf(MousePointer pointer) {
    if (pointer == MousePointer::Hand) return QCursor(QPixmap(":/pictures/hand_cursor.png"), 0, 0);
    return QCursor(Qt::ArrowCursor);
}

}  // namespace zeltavor::qt
