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

// Answers WM_PAINT by drawing into a bitmap filled with the background, then
// copying it in one go, so nothing flickers. draw(dc, client) paints the rest.
template <typename Draw>
void PaintBuffered(HWND window, Rgb background, Draw draw) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(buffer, bitmap);
    HBRUSH brush = CreateSolidBrush(ToColorRef(background));
    FillRect(buffer, &client, brush);
    DeleteObject(brush);
    draw(buffer, client);
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, old);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    EndPaint(window, &paint);
}

}  // namespace zeltavor::win32
