#include "x_shape.h"

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace zeltavor::linux_platform {

void SetWindowShape(unsigned long window, const std::vector<PixelRect>& rectangles) {
    // A connection of its own; a window gone before its shape arrives is no
    // error worth ending the program for.
    static Display* display = [] {
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        return XOpenDisplay(nullptr);
    }();
    if (display == nullptr) return;
    std::vector<XRectangle> xRectangles;
    xRectangles.reserve(rectangles.size());
    for (const PixelRect& r : rectangles)
        xRectangles.push_back({static_cast<short>(r.x), static_cast<short>(r.y), static_cast<unsigned short>(r.width),
                               static_cast<unsigned short>(r.height)});
    XShapeCombineRectangles(display, window, ShapeBounding, 0, 0, xRectangles.data(),
                            static_cast<int>(xRectangles.size()), ShapeSet, Unsorted);
    XFlush(display);
}

}  // namespace zeltavor::linux_platform
