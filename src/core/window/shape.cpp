#include "app/form1.h"

namespace zeltavor {

// The gauge view's outline: a circle for every instrument size at the usual
// density, a rounded square on denser screens.
void Form1::Rund() { SetOutline(170); }

// The options view's outline: the plain rectangle.
void Form1::Eckig() { SetOutline(0); }

void Form1::SetOutline(std::int32_t ellipse) {
    const std::int32_t width = RoundToInt32(Width() / platform_.screen.TwipsPerPixelX());
    const std::int32_t height = RoundToInt32(Height() / platform_.screen.TwipsPerPixelY());
    desktop_.SetWindowRgn({0, 0, width, height, ellipse, ellipse});
}

}  // namespace zeltavor
