#include "window_outline.h"

#include <QGuiApplication>
#include <QPainterPath>
#include <xcb/shape.h>

#include <algorithm>
#include <vector>

namespace zeltavor::qt {

// On X11 the outline goes over Qt's own connection as a shape in the window's
// device pixels, so that on a dense screen its curve is as fine as the screen
// (Qt would scale a mask given in logical pixels in steps of the ratio). An
// error about it reaches Qt's own handling like any other. A server without
// the SHAPE extension would close the connection: there the window stays square.
void SetOutline(QWidget& window, const RoundRectRegion& region, double ratio) {
    const QRectF rect(region.left, region.top, region.right - region.left, region.bottom - region.top);
    QPainterPath outline;
    outline.addRoundedRect(rect, std::min<double>(region.ellipseWidth, rect.width()) / 2,
                           std::min<double>(region.ellipseHeight, rect.height()) / 2);
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        window.setMask(QRegion(outline.toFillPolygon().toPolygon()));  // offscreen and the like
        return;
    }
    const xcb_query_extension_reply_t* shape = xcb_get_extension_data(x11->connection(), &xcb_shape_id);
    if (shape == nullptr || !shape->present) return;
    std::vector<xcb_rectangle_t> rectangles;
    for (const QRect& r : QRegion(QTransform::fromScale(ratio, ratio).map(outline).toFillPolygon().toPolygon()))
        rectangles.push_back({static_cast<int16_t>(r.x()), static_cast<int16_t>(r.y()),
                              static_cast<uint16_t>(r.width()), static_cast<uint16_t>(r.height())});
    xcb_shape_rectangles(x11->connection(), XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, XCB_CLIP_ORDERING_UNSORTED,
                         static_cast<xcb_window_t>(window.winId()), 0, 0, static_cast<uint32_t>(rectangles.size()),
                         rectangles.data());
    xcb_flush(x11->connection());
}

}  // namespace zeltavor::qt
