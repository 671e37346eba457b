#pragma once

#include <windows.h>

#include "frontend/view.h"

namespace zeltavor::win32 {

COLORREF ToColorRef(Rgb colour);
// A GDI font for a control's font, narrowed to an average character width
// when one is given; kept for the program's life.
HFONT FontOf(const DrawnFont& font, int averageCharWidth = 0);

// Answers WM_PAINT: paints what the window shows, back to front, into a
// bitmap, then copies it in one go, so nothing flickers.
void PaintView(HWND window, const View& view);

}  // namespace zeltavor::win32
