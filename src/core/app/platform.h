#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/conversions.h"

// What the window needs from the operating system, one small interface per
// facility. Each has a Linux and a Win32 implementation and a fake for tests.
namespace zeltavor {

// The primary screen, in twips, and its density.
class Screen {
public:
    virtual ~Screen() = default;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;
};

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

inline constexpr int VK_F12 = 0x7B;

// Bit 15: the key is down now; bit 0: it was pressed since the previous query.
class KeyState {
public:
    virtual ~KeyState() = default;
    virtual std::int16_t GetAsyncKeyState(int virtualKey) = 0;
};

struct Platform {
    Screen& screen;
    MemoryStatus& memory;
    Drives& drives;
    KeyState& keys;
    NumberLocale locale;
};

}  // namespace zeltavor
