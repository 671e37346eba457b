#pragma once

#include <windows.h>

#include "app/controls.h"

namespace zeltavor::win32 {

// A picture compiled into the program, as a premultiplied 32-bit DIB section.
struct Bitmap {
    HBITMAP handle = nullptr;
    int width = 0, height = 0;
};

const Bitmap& BitmapOf(Picture picture);  // an empty Bitmap for Picture::None
HICON WindowIcon();
HCURSOR CursorOf(MousePointer pointer);

// Draws with the picture's transparency at its natural size.
void DrawPicture(HDC target, const Bitmap& bitmap, int x, int y);
// Draws it scaled over the rectangle.
void StretchPicture(HDC target, const Bitmap& bitmap, int x, int y, int width, int height);

}  // namespace zeltavor::win32
