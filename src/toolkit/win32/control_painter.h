#pragma once

#include <windows.h>

#include "app/controls.h"

namespace zeltavor::win32 {

COLORREF ToColorRef(Rgb colour);
// A GDI font for a control's font at the screen's density; the caller deletes it.
HFONT CreateControlFont(const Font& font);

// Draws windowless controls, whose places are in twips, onto a container.
class ControlPainter {
public:
    ControlPainter(HDC dc, float twipsPerPixelX, float twipsPerPixelY, Rgb containerColour);

    POINT ToPixels(float x, float y) const;
    RECT ToPixels(const Control& control) const;

    void Draw(const Label& label);
    void Draw(const Image& image);
    void Draw(const Line& line);

private:
    HDC dc_;
    float twipsPerPixelX_, twipsPerPixelY_;
    Rgb containerColour_;
};

}  // namespace zeltavor::win32
