#include "fakes.h"

#include <cmath>
#include <numbers>

#include "app/errors.h"

namespace zeltavor::testing {

bool FakeDrives::MakeDriveCurrent(std::string_view drive) {
    if (drive == "C:") current = drive;
    return drive == "C:";
}

std::optional<DiskGeometry> FakeDrives::CurrentDriveGeometry() {
    ++queries;
    return current == "C:" ? geometry : std::nullopt;
}

std::int16_t FakeKeys::GetAsyncKeyState(int virtualKey) {
    ++queries;
    if (virtualKey != VK_F12 || answers.empty()) return 0;
    const std::int16_t answer = answers.front();
    answers.pop_front();
    return answer;
}

static std::string Path(std::string_view application, std::string_view section, std::string_view key) {
    return std::string(application) + "/" + std::string(section) + "/" + std::string(key);
}

std::optional<std::string> FakeSettings::Read(std::string_view application, std::string_view section,
                                              std::string_view key) {
    const auto found = values.find(Path(application, section, key));
    return found == values.end() ? std::nullopt : std::optional(found->second);
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

bool FakeAutostart::Write(std::string_view name, std::string_view command) {
    if (!refuseWrite) entries[std::string(name)] = command;
    return !refuseWrite;
}

bool FakeAutostart::Remove(std::string_view name) {
    return !refuseRemove && entries.erase(std::string(name)) == 1;
}

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
