#include "model/form1.h"

namespace zeltavor {

// The gauge view's outline: a circle for every instrument size, its corner
// ellipse as large at any density as 170 pixels are at 96 dots per inch.
void Form1::Rund() { SetOutline(170); }

// The options view's outline: the plain rectangle.
void Form1::Eckig() { SetOutline(0); }

void Form1::ReshapeForDensity() {
    if (outlineEllipseAt96_ >= 0) SetOutline(outlineEllipseAt96_);
}

void Form1::SetOutline(int ellipseAt96) {
    const PixelGrid grid = Grid();
    Outline = {0, 0, grid.X(Width()), grid.Y(Height()), grid.ScaledX(ellipseAt96), grid.ScaledY(ellipseAt96)};
    outlineEllipseAt96_ = ellipseAt96;
}

}  // namespace zeltavor
