#pragma once

#include <deque>
#include <map>
#include <vector>
#include <optional>
#include <string>

#include "app/form1.h"
#include "app/platform.h"

namespace zeltavor::testing {

// A 1024 x 768 pixel primary screen at 96 dots per inch.
class FakeScreen final : public Screen {
public:
    float widthPixels = 1024, heightPixels = 768, twipsPerPixel = 15;
    float Width() const override { return widthPixels * twipsPerPixel; }
    float Height() const override { return heightPixels * twipsPerPixel; }
    float TwipsPerPixelX() const override { return twipsPerPixel; }
    float TwipsPerPixelY() const override { return twipsPerPixel; }
};

class FakeMemory final : public MemoryStatus {
public:
    std::optional<std::uint32_t> load = 45;
    int queries = 0;
    std::optional<std::uint32_t> MemoryLoad() override {
        ++queries;
        return load;
    }
};

class FakeDrives final : public Drives {
public:
    std::optional<DiskGeometry> geometry = DiskGeometry{1, 4096, 1'000'000, 25'000'000};
    std::string current;
    int queries = 0;
    bool MakeDriveCurrent(std::string_view drive) override {
        if (drive != "C:") return false;
        current = drive;
        return true;
    }
    std::optional<DiskGeometry> CurrentDriveGeometry() override {
        ++queries;
        return current == "C:" ? geometry : std::nullopt;
    }
};

// Answers queued values, then 0 (key up).
class FakeKeys final : public KeyState {
public:
    std::deque<std::int16_t> answers;
    int queries = 0;
    std::int16_t GetAsyncKeyState(int virtualKey) override {
        ++queries;
        if (virtualKey != VK_F12 || answers.empty()) return 0;
        const std::int16_t answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Keeps "application/section/key" to text; remembers the order of writes.
class FakeSettings final : public SettingsStore {
public:
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;  // the keys, in the order written
    bool refuseWrites = false;
    std::optional<std::string> Read(std::string_view application, std::string_view section,
                                    std::string_view key) override;
    void Write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;
    // The stored value under MEM/Optionen, or "<missing>".
    std::string Stored(const std::string& key) const;
    void Put(const std::string& key, std::string value) { values["MEM/Optionen/" + key] = std::move(value); }
};

class FakeAutostart final : public AutostartStore {
public:
    std::map<std::string, std::string, std::less<>> entries;
    bool refuseWrite = false, refuseRemove = false;
    bool Write(std::string_view name, std::string_view command) override {
        if (refuseWrite) return false;
        entries[std::string(name)] = command;
        return true;
    }
    bool Remove(std::string_view name) override {
        const auto found = entries.find(name);
        if (refuseRemove || found == entries.end()) return false;
        entries.erase(found);
        return true;
    }
    bool Exists(std::string_view name) override { return entries.contains(name); }
};

class FakeDesktop final : public Desktop {
public:
    int topWindowCalls = 0;
    int clipboardClears = 0;
    std::vector<RoundRectRegion> regions;
    std::vector<std::string> messages;
    RunningExecutable executable{"C:\\Tools", "Gauge", '\\'};
    void TopWindow() override { ++topWindowCalls; }
    void SetWindowRgn(const RoundRectRegion& region) override { regions.push_back(region); }
    void ClearClipboard() override { ++clipboardClears; }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
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

// The needle's direction in degrees clockwise from twelve o'clock, [0, 360).
double NeedleDirection(const Form1& form);

// Runs Timer2 until it hands over to Timer1; returns the number of ticks.
int RunSweep(Form1& form);

}  // namespace zeltavor::testing
