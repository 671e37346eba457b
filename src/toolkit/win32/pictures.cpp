#include "pictures.h"

#include <cstdint>
#include <cstring>
#include <map>

#include "resource_ids.h"

namespace zeltavor::win32 {

namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

// The resource holds width, height, then the rows from the top.
Bitmap LoadBitmapResource(int id) {
    HRSRC resource = FindResourceW(Instance(), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!resource) return {};
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(Instance(), resource)));
    std::uint32_t size[2];
    std::memcpy(size, bytes, sizeof size);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(size[0]);
    info.bmiHeader.biHeight = -static_cast<LONG>(size[1]);  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!handle) return {};
    std::memcpy(pixels, bytes + sizeof size, std::size_t{size[0]} * size[1] * 4);
    return {handle, static_cast<int>(size[0]), static_cast<int>(size[1])};
}

template <typename Draw>
void WithPictureDc(HDC target, const Bitmap& bitmap, Draw draw) {
    if (!bitmap.handle) return;
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ old = SelectObject(source, bitmap.handle);
    draw(source);
    SelectObject(source, old);
    DeleteDC(source);
}

}  // namespace

const Bitmap& BitmapOf(Picture picture) {
    static const std::map<Picture, Bitmap> bitmaps = {
        {Picture::None, Bitmap{}},
        {Picture::DialFace, LoadBitmapResource(IDP_DIAL_FACE)},
        {Picture::FilledDot, LoadBitmapResource(IDP_DOT_FILLED)},
        {Picture::EmptyDot, LoadBitmapResource(IDP_DOT_EMPTY)},
        {Picture::Hub, LoadBitmapResource(IDP_HUB)},
        {Picture::RedCross, LoadBitmapResource(IDP_RED_CROSS)},
    };
    return bitmaps.at(picture);
}

HICON WindowIcon() { return LoadIconW(Instance(), MAKEINTRESOURCEW(IDI_ZELTAVOR)); }

HCURSOR CursorOf(MousePointer pointer) {
    static const HCURSOR hand = [] {
        const Bitmap colour = LoadBitmapResource(IDP_HAND_CURSOR);
        HBITMAP mask = CreateBitmap(colour.width, colour.height, 1, 1, nullptr);
        ICONINFO info{FALSE, 0, 0, mask, colour.handle};  // hot spot at the finger tip (0, 0)
        return static_cast<HCURSOR>(CreateIconIndirect(&info));
    }();
    return pointer == MousePointer::Hand && hand ? hand : LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
}

void DrawPicture(HDC target, const Bitmap& bitmap, int x, int y) {
    WithPictureDc(target, bitmap, [&](HDC source) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(target, x, y, bitmap.width, bitmap.height, source, 0, 0, bitmap.width, bitmap.height, blend);
    });
}

void StretchPicture(HDC target, const Bitmap& bitmap, int x, int y, int width, int height) {
    WithPictureDc(target, bitmap, [&](HDC source) {
        SetStretchBltMode(target, HALFTONE);
        SetBrushOrgEx(target, 0, 0, nullptr);
        StretchBlt(target, x, y, width, height, source, 0, 0, bitmap.width, bitmap.height, SRCCOPY);
    });
}

}  // namespace zeltavor::win32
