#include "fakes.h"

#include <cmath>
#include <numbers>

namespace zeltavor::testing {

double NeedleDirection(const Form1& form) {
    const double dx = form.SecZ.X2 - form.SecZ.X1;
    const double dy = form.SecZ.Y2 - form.SecZ.Y1;
    const double degrees = std::atan2(dx, -dy) * 180 / std::numbers::pi;
    return std::fmod(degrees + 360, 360);
}

int RunSweep(Form1& form) {
    int ticks = 0;
    while (form.Timer2.Enabled() && ticks < 1000) {
        form.Timer2_Timer();
        ++ticks;
    }
    return ticks;
}

}  // namespace zeltavor::testing
