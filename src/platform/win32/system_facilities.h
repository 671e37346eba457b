#pragma once

#include <windows.h>

#include "runtime/platform.h"

// The Windows calls behind the gauge's readings and the F12 key.
namespace zeltavor::win32_platform {

class Win32MemoryStatus final : public MemoryStatus {
public:
    std::optional<std::uint32_t> MemoryLoad() override;  // GlobalMemoryStatus
};

class Win32Drives final : public Drives {
public:
    bool MakeDriveCurrent(std::string_view drive) override;
    std::optional<DiskGeometry> CurrentDriveGeometry() override;  // GetDiskFreeSpaceA(NULL, ...)
};

class Win32KeyState final : public KeyState {
public:
    std::int16_t GetAsyncKeyState(int virtualKey) override;
};

// Where this program's file is: its folder and its name without extension.
RunningExecutable RunningProgram();

// Another program may hold the clipboard open for a moment: it is asked for
// a tenth of a second. True when the clipboard is empty now.
bool EmptyTheClipboard(HWND owner);

// The decimal separator of the user's regional settings.
NumberLocale UserNumberLocale();

}  // namespace zeltavor::win32_platform
