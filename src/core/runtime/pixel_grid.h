#pragma once

#include "runtime/platform.h"

namespace zeltavor {

// A place and size in the window's pixels.
struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The one rounding rule from an exact figure to a whole pixel: to the nearest,
// halves to the even one, kept within the 16 bits in which X11 and the Win32
// messages hold a window coordinate.
int RoundPixel(double pixels);

// Where twips meet the window's pixels, at the density of the monitor the
// window stands on. Nothing else turns twips into pixels or back.
class PixelGrid {
public:
    PixelGrid(float twipsPerPixelX, float twipsPerPixelY, double devicePixelRatio = 1);
    static PixelGrid Of(const Screen& screen);

    double ExactX(float twips) const { return static_cast<double>(twips) / twipsPerPixelX_; }
    double ExactY(float twips) const { return static_cast<double>(twips) / twipsPerPixelY_; }
    int X(float twips) const { return RoundPixel(ExactX(twips)); }
    int Y(float twips) const { return RoundPixel(ExactY(twips)); }
    float TwipsX(double pixels) const { return static_cast<float>(pixels * twipsPerPixelX_); }
    float TwipsY(double pixels) const { return static_cast<float>(pixels * twipsPerPixelY_); }
    // A control's rectangle, each edge rounded: what is centred in twips stays
    // centred, and neighbours share their edges.
    PixelRect Edges(float left, float top, float width, float height) const;
    // A length drawn for 96 dots per inch, at this density.
    int ScaledX(int pixelsAt96) const { return X(pixelsAt96 * kTwipsPerPixelAt96); }
    int ScaledY(int pixelsAt96) const { return Y(pixelsAt96 * kTwipsPerPixelAt96); }
    // Device pixels to a window pixel: more than 1 where the toolkit scales.
    double DevicePixelRatio() const { return devicePixelRatio_; }

    static constexpr float kTwipsPerPixelAt96 = 15;
    friend bool operator==(const PixelGrid&, const PixelGrid&) = default;

private:
    float twipsPerPixelX_, twipsPerPixelY_;
    double devicePixelRatio_;
};

}  // namespace zeltavor
