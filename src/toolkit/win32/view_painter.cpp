#include "view_painter.h"

#include <cwchar>
#include <map>
#include <tuple>

#include "pictures.h"
#include "text.h"

namespace zeltavor::win32 {

COLORREF ToColorRef(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

HFONT FontOf(const DrawnFont& font, int averageCharWidth) {
    static std::map<std::tuple<Font::Family, int, bool, int>, HFONT> fonts;
    const auto key = std::tuple(font.font.family, font.WholePixelHeight(), font.font.bold, averageCharWidth);
    if (const auto found = fonts.find(key); found != fonts.end()) return found->second;
    LOGFONTW face{-font.WholePixelHeight(), averageCharWidth, 0, 0, font.font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, {}};
    wcscpy(face.lfFaceName, font.font.family == Font::Family::Serif ? L"MS Serif" : L"MS Sans Serif");
    return fonts.emplace(key, CreateFontIndirectW(&face)).first->second;
}

namespace {

RECT ToRect(const PixelRect& place) { return {place.left, place.top, place.right(), place.bottom()}; }

class Painter {
public:
    explicit Painter(HDC dc) : dc_(dc) {}

    void operator()(const DrawnFill& fill) {
        const RECT place = ToRect(fill.place);
        HBRUSH brush = CreateSolidBrush(ToColorRef(fill.colour));
        FillRect(dc_, &place, brush);
        DeleteObject(brush);
    }

    void operator()(const DrawnPicture& picture) {
        const PixelRect& place = picture.place;
        const Bitmap& bitmap = BitmapOf(picture);
        if (!bitmap.handle) return;
        HDC source = CreateCompatibleDC(dc_);
        HGDIOBJ old = SelectObject(source, bitmap.handle);
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc_, place.left, place.top, place.width, place.height, source, 0, 0, bitmap.width, bitmap.height,
                   blend);
        SelectObject(source, old);
        DeleteDC(source);
    }

    void operator()(const DrawnText& text) {
        const std::wstring caption = win32_platform::Utf8ToWide(text.text);
        const int length = static_cast<int>(caption.size());
        RECT place = ToRect(text.place);
        HGDIOBJ old = SelectObject(dc_, FontOf(text.font));
        const auto width = [&] {
            SIZE needed{};
            GetTextExtentPoint32W(dc_, caption.c_str(), length, &needed);
            return needed.cx;
        };
        // A face narrowed by its average width need not come out as narrow as asked.
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_, &metrics);
        for (int stretch = NarrowedStretch(width(), text.place.width); stretch < 100 && stretch >= 40 && width() > text.place.width; stretch -= 5)
            SelectObject(dc_, FontOf(text.font, metrics.tmAveCharWidth * stretch / 100));
        SetBkMode(dc_, TRANSPARENT);
        const UINT format = (text.centred ? DT_CENTER : DT_LEFT) | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
        if (text.emboss) {
            RECT emboss = place;
            OffsetRect(&emboss, text.embossOffset, text.embossOffset);
            SetTextColor(dc_, ToColorRef(*text.emboss));
            DrawTextW(dc_, caption.c_str(), length, &emboss, format);
        }
        SetTextColor(dc_, ToColorRef(text.colour));
        DrawTextW(dc_, caption.c_str(), length, &place, format);
        SelectObject(dc_, old);
    }

    void operator()(const DrawnLine& line) {
        LOGBRUSH brush{BS_SOLID, ToColorRef(line.colour), 0};
        HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND, static_cast<DWORD>(line.width), &brush, 0,
                                nullptr);
        HGDIOBJ old = SelectObject(dc_, pen);
        MoveToEx(dc_, RoundPixel(line.x1), RoundPixel(line.y1), nullptr);
        LineTo(dc_, RoundPixel(line.x2), RoundPixel(line.y2));
        SelectObject(dc_, old);
        DeleteObject(pen);
    }

private:
    HDC dc_;
};

}  // namespace

void PaintView(HWND window, const View& view) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(buffer, bitmap);
    Painter painter(buffer);
    for (const Drawn& drawn : view.drawn) std::visit(painter, drawn);
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, old);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    EndPaint(window, &paint);
}

}  // namespace zeltavor::win32
