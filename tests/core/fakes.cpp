#include "fakes.h"

#include <cmath>
#include <numbers>

namespace zeltavor::testing {

double NeedleDirection(const Form1& form) {
    const double degrees = std::atan2(form.SecZ.X2 - form.SecZ.X1, form.SecZ.Y1 - form.SecZ.Y2) * 180 / std::numbers::pi;
    return std::fmod(degrees + 360, 360);
}

int RunSweep(Form1& form) {
    int ticks = 0;
    for (; form.Timer2.Enabled() && ticks < 1000; ++ticks) form.Timer2_Timer();
    return ticks;
}

}  // namespace zeltavor::testing
