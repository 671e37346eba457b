#include "runtime/pixel_grid.h"

#include <algorithm>
#include <cmath>

#include "runtime/errors.h"

namespace zeltavor {

int RoundPixel(double pixels) {
    if (!(pixels >= -32768)) return -32768;  // not a number counts as the far left
    if (pixels > 32767) return 32767;
    return static_cast<int>(std::lrint(pixels));  // the default rounding: halves to even
}

// A density of 0 or less describes no screen; it fails here, before anything
// has been drawn or placed with it.
PixelGrid::PixelGrid(float twipsPerPixelX, float twipsPerPixelY, double devicePixelRatio)
    : twipsPerPixelX_(twipsPerPixelX), twipsPerPixelY_(twipsPerPixelY), devicePixelRatio_(devicePixelRatio) {
    if (!(twipsPerPixelX > 0 && twipsPerPixelY > 0 && devicePixelRatio > 0)) throw OverflowError();
}

PixelGrid PixelGrid::Of(const Screen& screen) {
    return {screen.TwipsPerPixelX(), screen.TwipsPerPixelY(), screen.DevicePixelRatio()};
}

PixelRect PixelGrid::Edges(float left, float top, float width, float height) const {
    const int l = X(left), t = Y(top);
    return {l, t, X(left + width) - l, Y(top + height) - t};
}

}  // namespace zeltavor
