#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "frontend/window_system.h"
#include "runtime/conversions.h"

// What the window needs from the operating system, one small interface per
// facility. Each has a Linux and a Win32 implementation and a fake for tests.
// The screen comes from the front-end.
namespace zeltavor {

// Percentage of physical memory in use (0..100); nothing when the system
// could not tell.
class MemoryStatus {
public:
    virtual ~MemoryStatus() = default;
    virtual std::optional<std::uint32_t> MemoryLoad() = 0;
};

// The figures a drive query reports. Counts are unsigned 64-bit so that a
// large disk never overflows them.
struct DiskGeometry {
    std::uint64_t sectorsPerCluster = 0;
    std::uint64_t bytesPerSector = 0;
    std::uint64_t freeClusters = 0;
    std::uint64_t totalClusters = 0;
};

class Drives {
public:
    virtual ~Drives() = default;
    // Makes the drive named by a two-character text ("C:") current; false
    // when there is no such drive.
    virtual bool MakeDriveCurrent(std::string_view drive) = 0;
    // The geometry of the current drive's root; nothing when the query failed.
    virtual std::optional<DiskGeometry> CurrentDriveGeometry() = 0;
};

#ifndef VK_F12  // windows.h has it as a macro of the same value
inline constexpr int VK_F12 = 0x7B;
#endif

// Bit 15: the key is down now; bit 0: it was pressed since the previous query.
class KeyState {
public:
    virtual ~KeyState() = default;
    virtual std::int16_t GetAsyncKeyState(int virtualKey) = 0;
};

// The per-user store of text values, addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, also an empty one; nothing when the key is missing or
    // what is stored cannot be read as text.
    virtual std::optional<std::string> Read(std::string_view application, std::string_view section,
                                            std::string_view key) = 0;
    // Reaches the disk before it returns; a refused write raises a RuntimeError
    // that names the store and the reason.
    virtual void Write(std::string_view application, std::string_view section, std::string_view key,
                       std::string_view value) = 0;
};

// The per-user entry that starts a program when the user logs on.
class AutostartStore {
public:
    virtual ~AutostartStore() = default;
    // True when the entry now starts the command.
    virtual bool Write(std::string_view name, std::string_view command) = 0;
    // True when an entry was there and is gone; false when there was none or
    // it could not be deleted.
    virtual bool Remove(std::string_view name) = 0;
    virtual bool Exists(std::string_view name) = 0;
};

struct Platform {
    Screen& screen;
    MemoryStatus& memory;
    Drives& drives;
    KeyState& keys;
    SettingsStore& settings;
    AutostartStore& autostart;
    NumberLocale locale;
};

}  // namespace zeltavor
