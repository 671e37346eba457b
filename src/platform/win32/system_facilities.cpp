#include "system_facilities.h"

#include <windows.h>

#include "text.h"

namespace zeltavor::win32_platform {

std::optional<std::uint32_t> Win32MemoryStatus::MemoryLoad() {
    MEMORYSTATUS status{};  // dwLength stays 0: the call fills it in
    GlobalMemoryStatus(&status);
    if (status.dwMemoryLoad > 100) return std::nullopt;
    return status.dwMemoryLoad;
}

bool Win32Drives::MakeDriveCurrent(std::string_view drive) {
    return SetCurrentDirectoryA(std::string(drive).c_str()) != 0;
}

// The counts come as unsigned 32-bit values and stay unsigned here, so a
// large disk is never read as a negative one.
std::optional<DiskGeometry> Win32Drives::CurrentDriveGeometry() {
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceA(nullptr, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
        return std::nullopt;
    return DiskGeometry{sectorsPerCluster, bytesPerSector, freeClusters, totalClusters};
}

std::int16_t Win32KeyState::GetAsyncKeyState(int virtualKey) { return ::GetAsyncKeyState(virtualKey); }

NumberLocale UserNumberLocale() {
    char separator[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) <= 1) return {"."};
    return {AnsiToUtf8(separator)};
}

// The folder keeps its backslash only at the root of a drive. The name keeps
// its extension: Windows adds ".exe" only to a name that has none, so
// "Zeltavor.v2" would start nothing.
RunningExecutable RunningProgram() {
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    const std::wstring full = path;
    const auto slash = full.find_last_of(L'\\');
    std::wstring folder = full.substr(0, slash);
    if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
    return {WideToUtf8(folder), WideToUtf8(full.substr(slash + 1)), '\\'};
}

bool EmptyTheClipboard(HWND owner) {
    for (int attempt = 0; attempt < 10; ++attempt, Sleep(10)) {
        if (!OpenClipboard(owner)) continue;
        const bool emptied = EmptyClipboard();
        CloseClipboard();
        return emptied;
    }
    return false;
}

std::string ClipboardText(HWND owner) {
    std::wstring text;
    if (!OpenClipboard(owner)) return {};
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return WideToUtf8(text);
}

}  // namespace zeltavor::win32_platform
