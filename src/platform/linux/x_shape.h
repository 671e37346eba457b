#pragma once

#include <vector>

namespace zeltavor::linux_platform {

struct PixelRect {
    int x, y, width, height;
};

// Sets a window's outline (its bounding shape) to the union of the
// rectangles, in the window's own device pixels.
void SetWindowShape(unsigned long window, const std::vector<PixelRect>& rectangles);

}  // namespace zeltavor::linux_platform
