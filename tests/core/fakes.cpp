#include "fakes.h"

#include <cmath>
#include <numbers>

#include "app/errors.h"

namespace zeltavor::testing {

namespace {
std::string Path(std::string_view application, std::string_view section, std::string_view key) {
    return std::string(application) + "/" + std::string(section) + "/" + std::string(key);
}
}  // namespace

std::optional<std::string> FakeSettings::Read(std::string_view application, std::string_view section,
                                              std::string_view key) {
    const auto found = values.find(Path(application, section, key));
    if (found == values.end()) return std::nullopt;
    return found->second;
}

void FakeSettings::Write(std::string_view application, std::string_view section, std::string_view key,
                         std::string_view value) {
    if (refuseWrites) throw RuntimeError(75, "refused");
    values[Path(application, section, key)] = value;
    writes.emplace_back(key);
}

std::string FakeSettings::Stored(const std::string& key) const {
    const auto found = values.find("MEM/Optionen/" + key);
    return found == values.end() ? "<missing>" : found->second;
}

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
