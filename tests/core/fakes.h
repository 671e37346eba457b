#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/errors.h"
#include "model/form1.h"
#include "runtime/platform.h"

namespace zeltavor::testing {

// A 1024 x 768 pixel primary screen at 96 dots per inch.
struct FakeScreen final : Screen {
    float twipsPerPixel = 15;
    int width = 1024, height = 768;
    PixelPoint origin;
    PixelPoint PrimaryOrigin() const override { return origin; }
    float Width() const override { return width * twipsPerPixel; }
    float Height() const override { return height * twipsPerPixel; }
    float TwipsPerPixelX() const override { return twipsPerPixel; }
    float TwipsPerPixelY() const override { return twipsPerPixel; }
};

struct FakeMemory final : MemoryStatus {
    std::optional<std::uint32_t> load = 45;
    int queries = 0;
    std::optional<std::uint32_t> MemoryLoad() override { return ++queries, load; }
};

// Drive C: with 4096-byte clusters, 96 % used.
struct FakeDrives final : Drives {
    std::optional<DiskGeometry> geometry = DiskGeometry{1, 4096, 1'000'000, 25'000'000};
    std::string current;
    bool MakeDriveCurrent(std::string_view drive) override {
        if (drive == "C:") current = drive;
        return drive == "C:";
    }
    std::optional<DiskGeometry> CurrentDriveGeometry() override { return current == "C:" ? geometry : std::nullopt; }
};

// F12, pressed since the last query when told so.
struct FakeKeys final : KeyState {
    std::int16_t f12 = 0;
    std::int16_t GetAsyncKeyState(int key) override { return key == VK_F12 ? std::exchange(f12, 0) : 0; }
};

struct FakeSettings final : SettingsStore {
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;
    bool refuseWrites = false;
    static std::string Path(std::string_view application, std::string_view section, std::string_view key) {
        return std::string(application) + "/" + std::string(section) + "/" + std::string(key);
    }
    std::optional<std::string> Read(std::string_view application, std::string_view section, std::string_view key) override {
        const auto found = values.find(Path(application, section, key));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void Write(std::string_view application, std::string_view section, std::string_view key, std::string_view value) override {
        if (refuseWrites) throw PathFileAccessError("refused");
        values[Path(application, section, key)] = value;
        writes.emplace_back(key);
    }
    // The value under MEM/Optionen, or "<missing>".
    std::string Stored(const std::string& key) { return Read("MEM", "Optionen", key).value_or("<missing>"); }
    void Put(const std::string& key, std::string value) { values[Path("MEM", "Optionen", key)] = std::move(value); }
};

struct FakeAutostart final : AutostartStore {
    std::map<std::string, std::string, std::less<>> entries;
    bool refuseWrite = false, refuseRemove = false;
    bool Write(std::string_view name, std::string_view command) override {
        if (!refuseWrite) entries[std::string(name)] = command;
        return !refuseWrite;
    }
    bool Remove(std::string_view name) override { return !refuseRemove && entries.erase(std::string(name)) == 1; }
    bool Exists(std::string_view name) override { return entries.contains(name); }
};

struct FakeDesktop final : Desktop {
    int topWindowCalls = 0, clipboardClears = 0;
    bool clipboardHeld = false;  // open in another program
    RunningExecutable executable{"C:\\Tools", "Gauge.exe", '\\'};
    void TopWindow() override { ++topWindowCalls; }
    bool ClearClipboard() override { return !clipboardHeld && ++clipboardClears; }
    RunningExecutable Executable() override { return executable; }
};

// The fake facilities, bundled as the platform hands them to a window.
struct FakePlatform {
    FakeScreen screen;
    FakeMemory memory;
    FakeDrives drives;
    FakeKeys keys;
    FakeSettings settings;
    FakeAutostart autostart;
    Platform platform{screen, memory, drives, keys, settings, autostart, {"."}};
};

// A window with fake facilities, as the platform creates it.
struct FormFixture : FakePlatform {
    FakeDesktop desktop;
    Form1 form{platform, desktop};
};

// The same window started with these values stored.
struct LoadedForm : FormFixture {
    explicit LoadedForm(std::initializer_list<std::pair<std::string, std::string>> stored = {}) {
        for (const auto& [key, value] : stored) settings.Put(key, value);
        form.Load();
    }
};

// The needle's direction in degrees clockwise from twelve o'clock, [0, 360).
double NeedleDirection(const Form1& form);

// Runs Timer2 until it hands over to Timer1; returns the number of ticks.
int RunSweep(Form1& form);

}  // namespace zeltavor::testing
