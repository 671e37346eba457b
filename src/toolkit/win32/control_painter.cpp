#include "control_painter.h"

#include <cmath>

#include "gauge_window.h"
#include "pictures.h"
#include "text.h"

namespace zeltavor::win32 {

COLORREF ToColorRef(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

HFONT CreateControlFont(const Font& font) {
    HDC screen = GetDC(nullptr);
    const int height = -static_cast<int>(std::lround(font.points * GetDeviceCaps(screen, LOGPIXELSY) / 72.0));
    ReleaseDC(nullptr, screen);
    return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       font.family == Font::Family::Serif ? L"MS Serif" : L"MS Sans Serif");
}

ControlPainter::ControlPainter(HDC dc, float twipsPerPixelX, float twipsPerPixelY, Rgb containerColour)
    : dc_(dc), twipsPerPixelX_(twipsPerPixelX), twipsPerPixelY_(twipsPerPixelY), containerColour_(containerColour) {}

POINT ControlPainter::ToPixels(float x, float y) const {
    return {std::lround(x / twipsPerPixelX_), std::lround(y / twipsPerPixelY_)};
}

RECT ControlPainter::ToPixels(const Control& control) const {
    const POINT topLeft = ToPixels(control.Left, control.Top);
    const POINT bottomRight = ToPixels(control.Left + control.Width, control.Top + control.Height);
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void ControlPainter::Draw(const Label& label) {
    if (!label.Visible) return;
    RECT box = ToPixels(label);
    if (!label.Transparent) {
        HBRUSH brush = CreateSolidBrush(ToColorRef(containerColour_));
        FillRect(dc_, &box, brush);
        DeleteObject(brush);
    }
    // The fonts at hand may run wider than the classic ones: a caption that
    // would not fit its label on one line is narrowed rather than broken.
    const std::wstring text = win32_platform::Utf8ToWide(ShownCaption(label));
    HFONT font = CreateControlFont(label.LabelFont);
    HGDIOBJ oldFont = SelectObject(dc_, font);
    RECT needed{0, 0, 0, 0};
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &needed, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    if (needed.right > box.right - box.left && needed.right > 0) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_, &metrics);
        LOGFONTW narrower{};
        GetObjectW(font, sizeof narrower, &narrower);
        narrower.lfWidth = metrics.tmAveCharWidth * (box.right - box.left) / needed.right;
        SelectObject(dc_, oldFont);
        DeleteObject(font);
        font = CreateFontIndirectW(&narrower);
        oldFont = SelectObject(dc_, font);
    }
    SetBkMode(dc_, TRANSPARENT);
    const UINT format = (label.Centred ? DT_CENTER : DT_LEFT) | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
    if (label.Enabled) {
        SetTextColor(dc_, ToColorRef(label.ForeColor));
    } else {
        // The classic disabled look: a light emboss under grey text.
        RECT emboss = box;
        OffsetRect(&emboss, 1, 1);
        SetTextColor(dc_, RGB(255, 255, 255));
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &emboss, format);
        SetTextColor(dc_, RGB(128, 128, 128));
    }
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &box, format);
    SelectObject(dc_, oldFont);
    DeleteObject(font);
}

void ControlPainter::Draw(const Image& image) {
    if (!image.Visible) return;
    const POINT at = ToPixels(image.Left, image.Top);
    DrawPicture(dc_, BitmapOf(image.Content), at.x, at.y);
}

void ControlPainter::Draw(const Line& line) {
    LOGBRUSH brush{BS_SOLID, ToColorRef(line.Colour), 0};
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND, static_cast<DWORD>(line.WidthPixels), &brush,
                            0, nullptr);
    HGDIOBJ old = SelectObject(dc_, pen);
    const POINT from = ToPixels(line.X1, line.Y1), to = ToPixels(line.X2, line.Y2);
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
    SelectObject(dc_, old);
    DeleteObject(pen);
}

void GaugeWindow::Paint() {
    PaintBuffered(handle_, form().BackColor, [this](HDC buffer, const RECT& client) {
        const Bitmap& dial = BitmapOf(form().BackgroundPicture);
        if (form().Width() == form().Height())
            StretchPicture(buffer, dial, 0, 0, client.right, client.bottom);  // over the square instrument
        else
            DrawPicture(buffer, dial, 0, 0);
        const auto& screen = form().platform().screen;
        ControlPainter controls(buffer, screen.TwipsPerPixelX(), screen.TwipsPerPixelY(), form().BackColor);
        DrawWindowControls(form(), controls);
    });
}

}  // namespace zeltavor::win32
