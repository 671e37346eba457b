#pragma once

#include <windows.h>

#include "frontend/view.h"

namespace zeltavor::win32 {

// A picture as a premultiplied 32-bit DIB section.
struct Bitmap {
    HBITMAP handle = nullptr;
    int width = 0, height = 0;
};

// A compiled-in picture at this size: scaled once, smoothly, from the larger
// of its two drawings, and kept. An empty Bitmap for Picture::None.
const Bitmap& BitmapOf(const DrawnPicture& picture);
HICON WindowIcon();
HCURSOR CursorOf(MousePointer pointer);

}  // namespace zeltavor::win32
