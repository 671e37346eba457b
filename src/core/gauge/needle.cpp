#include <cmath>

#include "model/form1.h"

namespace zeltavor {

namespace {
// The dial was laid out with this value of pi; the full-precision one would
// move some needle tips by a twip.
constexpr double kPi = 3.14159265358979;
// A step of the scale is a minute's mark on a clock face.
constexpr double kDegreesPerStep = 6;
}  // namespace

void Form1::Drehen(const double& dPos) {
    const std::int16_t step = RoundToInt16(dPos);
    SecZ.X2 = static_cast<float>(CenterX + std::floor(NeedleLen * std::sin(kPi / 180 * kDegreesPerStep * step)));
    SecZ.Y2 = static_cast<float>(CenterY - std::floor(NeedleLen * std::cos(kPi / 180 * kDegreesPerStep * step)));
}

double Compress(double percent) { return percent > 60 ? (percent - 60) * 0.6 + 60 : percent; }

double ScalePosition(double percent) { return (percent - 41.66) / 100 * 60 - 60; }

}  // namespace zeltavor
