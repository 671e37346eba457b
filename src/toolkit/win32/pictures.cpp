#include "pictures.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <tuple>
#include <vector>

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STB_IMAGE_RESIZE_STATIC
#include <stb_image_resize.h>

#include "resource_ids.h"
#include "text.h"

namespace zeltavor::win32 {

namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint8_t> bgra;  // premultiplied, rows from the top
};

// The resource holds width, height, then the rows from the top.
Pixels LoadPixels(const std::string& name) {
    HRSRC resource = FindResourceW(Instance(), win32_platform::Utf8ToWide(name).c_str(), RT_RCDATA);
    if (!resource) return {};
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(Instance(), resource)));
    std::uint32_t size[2];
    std::memcpy(size, bytes, sizeof size);
    const std::size_t count = std::size_t{size[0]} * size[1] * 4;
    return {static_cast<int>(size[0]), static_cast<int>(size[1]),
            std::vector<std::uint8_t>(bytes + sizeof size, bytes + sizeof size + count)};
}

Bitmap ToBitmap(const Pixels& pixels) {
    // 32 bits a pixel, rows from the top
    const BITMAPINFO info{{sizeof(BITMAPINFOHEADER), pixels.width, -pixels.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (handle) std::memcpy(bits, pixels.bgra.data(), pixels.bgra.size());
    return {handle, pixels.width, pixels.height};
}

Pixels Scaled(const DrawnPicture& picture) {
    const int width = picture.place.width, height = picture.place.height;
    Pixels drawn = LoadPixels(std::string(PictureName(picture.picture)) + (picture.twice ? "_2x" : ""));
    if (drawn.bgra.empty() || (drawn.width == width && drawn.height == height)) return drawn;
    Pixels scaled{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 4)};
    stbir_resize_uint8_generic(drawn.bgra.data(), drawn.width, drawn.height, 0, scaled.bgra.data(), width, height, 0, 4,
                               3, STBIR_FLAG_ALPHA_PREMULTIPLIED, STBIR_EDGE_CLAMP, STBIR_FILTER_DEFAULT,
                               STBIR_COLORSPACE_LINEAR, nullptr);
    return scaled;
}

}  // namespace

const Bitmap& BitmapOf(const DrawnPicture& picture) {
    // A few sizes at a time: the instrument's, the options view's, a density's.
    static std::map<std::tuple<Picture, int, int>, Bitmap> kept;
    const int width = picture.place.width, height = picture.place.height;
    const auto key = std::tuple(picture.picture, width, height);
    if (const auto found = kept.find(key); found != kept.end()) return found->second;
    if (kept.size() >= 32) {
        for (auto& entry : kept) DeleteObject(entry.second.handle);
        kept.clear();
    }
    const Bitmap bitmap = picture.picture == Picture::None || width <= 0 || height <= 0 ? Bitmap{} : ToBitmap(Scaled(picture));
    return kept.emplace(key, bitmap).first->second;
}

HICON WindowIcon() { return LoadIconW(Instance(), MAKEINTRESOURCEW(IDI_ZELTAVOR)); }

HCURSOR CursorOf(MousePointer pointer) {
    static const HCURSOR hand = [] {
        const Bitmap colour = ToBitmap(LoadPixels("hand_cursor"));
        HBITMAP mask = CreateBitmap(colour.width, colour.height, 1, 1, nullptr);
        ICONINFO info{FALSE, 0, 0, mask, colour.handle};  // hot spot at the finger tip (0, 0)
        return static_cast<HCURSOR>(CreateIconIndirect(&info));
    }();
    return pointer == MousePointer::Hand && hand ? hand : LoadCursorW(nullptr, IDC_ARROW);
}

}  // namespace zeltavor::win32
