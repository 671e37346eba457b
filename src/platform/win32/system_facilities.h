#pragma once

#include <windows.h>

#include <string>

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

// Where this program's file is: its folder and its full name.
RunningExecutable RunningProgram();

// Another program may hold the clipboard open for a moment: it is asked for
// a tenth of a second. True when the clipboard is empty now.
bool EmptyTheClipboard(HWND owner);
// The clipboard's text, in UTF-8; empty when there is none or it is held open.
std::string ClipboardText(HWND owner);

// The decimal separator of the user's regional settings.
NumberLocale UserNumberLocale();

}  // namespace zeltavor::win32_platform
