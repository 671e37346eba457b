#pragma once

#include <cstdint>
#include <string>

// What a front-end provides the window with: the screen it stands on and
// the desktop it lives on. Each toolkit implements them, and a fake for tests.
namespace zeltavor {

struct PixelPoint {
    int x = 0, y = 0;
};

// A screen's dots per inch as twips per pixel; a screen that does not say
// counts as one of 96.
inline float TwipsPerPixel(double dotsPerInch) {
    return dotsPerInch > 0 ? static_cast<float>(1440 / dotsPerInch) : 15.0f;
}

// The primary screen, in twips, and the density of the monitor the window
// stands on.
class Screen {
public:
    virtual ~Screen() = default;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    // How far this many monitors, side by side from the primary's left edge,
    // reach, in the window's twips: as wide as the primary each, unless the
    // toolkit knows the monitors beside it (a denser one is narrower).
    virtual double MonitorsWidth(double count) const { return count * Width(); }
    // The primary screen's top-left corner among all monitors, in pixels:
    // every place the window takes is measured from it.
    virtual PixelPoint PrimaryOrigin() const { return {}; }
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;
    // Device pixels to a window pixel, where the toolkit scales the window.
    virtual double DevicePixelRatio() const { return 1; }
};

// A window outline in pixels of the window: a rectangle whose corners are
// rounded by an ellipse, which the window system clamps to the rectangle.
struct RoundRectRegion {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::int32_t ellipseWidth = 0, ellipseHeight = 0;
    friend bool operator==(const RoundRectRegion&, const RoundRectRegion&) = default;
};

// Where the running program lives: its folder, its file name, and the
// platform's path separator.
struct RunningExecutable {
    std::string folder;
    std::string name;
    char separator = '\\';
};

// What the window asks of the desktop it lives on; the front-end provides it.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Above all ordinary windows, without moving, resizing or activating it.
    virtual void TopWindow() = 0;
    // True when the clipboard is empty now; false when another program held it open.
    virtual bool ClearClipboard() = 0;
    virtual RunningExecutable Executable() = 0;
};

}  // namespace zeltavor
