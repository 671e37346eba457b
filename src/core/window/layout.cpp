#include "runtime/errors.h"
#include "model/form1.h"

namespace zeltavor {

namespace {
// The resize handling never passes an error on: a failing statement is
// skipped and the next one runs.
template <typename Statement>
void SkipOnError(Statement statement) {
    try {
        statement();
    } catch (const RuntimeError&) {
    }
}
}  // namespace

// Runs inside every assignment that changes the window's size. The view
// stretches the dial over a square window and shows it at its own size otherwise.
void Form1::Resize() {
    CenterX = ScaleHeight() / 2;
    if (Height() == Width()) {
        CenterY = CenterX;
    } else {
        CenterX = 10000;  // parks pivot, needle and dial elements outside the window
        CenterY = 10000;
    }
    SecZ.X1 = CenterX;
    SecZ.Y1 = CenterY;
    double sizeRatio = 0;
    SkipOnError([&] { sizeRatio = TextToDouble(txtHeight.Text, platform_.locale) / kDesignSize; });
    SkipOnError([&] { NeedleLen = ToSingle(825 * sizeRatio); });
    SkipOnError([&] { PositionElemente(); });
}

void Form1::PositionElemente() {
    const std::int16_t dotOffset = RoundToInt16(Height() / 3.5);
    const std::int16_t labelOffset = RoundToInt16(Height() / 6.0);
    lbl_MEM.Top = CenterY - lbl_MEM.Height;
    lbl_MEM.Left = CenterX - lbl_MEM.Width / 2;
    ImgMitte.Top = SecZ.Y1 - ImgMitte.Height / 2;
    ImgMitte.Left = SecZ.X1 - ImgMitte.Width / 2;
    ImgDot1.Top = dotOffset + SecZ.Y1 - ImgDot1.Height / 2;
    ImgDot1.Left = SecZ.X1 - ImgDot1.Width / 2;
    imgDot0.Top = dotOffset + SecZ.Y1 - imgDot0.Height / 2;
    imgDot0.Left = SecZ.X1 - imgDot0.Width / 2;
    lblHDRAM.Top = labelOffset + SecZ.Y1 - lblHDRAM.Height / 2;
    lblHDRAM.Left = SecZ.X1 - lblHDRAM.Width / 2;
}

}  // namespace zeltavor
