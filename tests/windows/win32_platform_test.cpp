#include <gtest/gtest.h>
#include <windows.h>

#include <future>
#include <string>

#include "fakes.h"
#include "registry_stores.h"
#include "system_facilities.h"
#include "text.h"

namespace zeltavor::win32_platform {
namespace {

// A text value under HKEY_CURRENT_USER as the system's own call reads it.
std::wstring TextAt(const std::string& key, const wchar_t* value) {
    wchar_t text[1024] = {};
    DWORD bytes = sizeof text;
    RegGetValueW(HKEY_CURRENT_USER, Utf8ToWide(key).c_str(), value, RRF_RT_REG_SZ, nullptr, text, &bytes);
    return text;
}

// Each figure next to what the system reports by another route.
TEST(Win32Facilities, FiguresAreWhatTheSystemReports) {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    const double usedMemory = 100.0 * static_cast<double>(status.ullTotalPhys - status.ullAvailPhys) / status.ullTotalPhys;
    EXPECT_NEAR(Win32MemoryStatus().MemoryLoad().value_or(1000), usedMemory, 2);

    ULARGE_INTEGER available{}, total{}, free{};
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &total, &free));
    testing::FormFixture f;
    Win32Drives drives;
    Platform platform{f.screen, f.memory, drives, f.keys, f.settings, f.autostart, {"."}};
    Form1 form(platform, f.desktop);
    form.lblHDRAM.Caption = "HD";
    form.Timer2_Timer();
    EXPECT_NEAR(form.Percent, 100.0 * (total.QuadPart - available.QuadPart) / total.QuadPart, 0.05);
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_EQ(std::toupper(current[0]), 'C');  // the measured drive stays current

    wchar_t formatted[32] = {};  // "1" + separator + "5…"
    ASSERT_GT(GetNumberFormatW(LOCALE_USER_DEFAULT, 0, L"1.5", nullptr, formatted, 32), 0);
    const std::wstring number = formatted;
    EXPECT_EQ(UserNumberLocale().decimalSeparator, WideToUtf8(number.substr(1, number.find(L'5') - 1)));
}

TEST(Registry, RunKeyAndSettingsAreWhatRegSees) {
    RunKeyAutostart run;
    run.Remove("Zeltavor");
    // Cyrillic and CJK, beyond the ANSI code page, and a blank: quoted.
    const std::wstring folder = L"C:\\\u041c\u0435\u0441\u0441\u00e4 \u6e2c\u5b9a", plain = L"C:\\Tools\\Gauge";
    for (const auto& [command, stored] : {std::pair{plain, plain}, {folder + L"\\Gauge", L'"' + folder + L"\\Gauge\""}}) {
        ASSERT_TRUE(run.Write("Zeltavor", WideToUtf8(command)));
        EXPECT_EQ(TextAt(kRunKey, L"Zeltavor"), stored);
    }
    EXPECT_FALSE(run.Write("Zeltavor", "C:\\" + std::string(MAX_PATH, 'a') + "\\Gauge"));  // nothing starts from there
    EXPECT_TRUE(run.Exists("Zeltavor"));
    EXPECT_TRUE(run.Remove("Zeltavor"));
    EXPECT_FALSE(run.Exists("Zeltavor"));
    EXPECT_FALSE(run.Remove("Zeltavor"));  // nothing left to delete

    RegistrySettingsStore store;
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\MEM-Test");
    EXPECT_FALSE(store.Read("MEM-Test", "Optionen", "Monis"));
    for (const char* text : {"1200", "", "a, b", "Größe", "  blanks  ", "\"q\""}) {
        store.Write("MEM-Test", "Optionen", "txtHeight", text);
        EXPECT_EQ(store.Read("MEM-Test", "Optionen", "txtHeight"), std::optional<std::string>(text)) << text;
    }
    EXPECT_EQ(TextAt("Software\\MEM-Test\\Optionen", L"txtHeight"), L"\"q\"");
    HKEY key = nullptr;  // a value of another type, set by hand, counts as missing
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\MEM-Test\\Optionen", 0, KEY_SET_VALUE, &key), 0);
    const DWORD number = 7;
    RegSetValueExA(key, "Monis", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
    EXPECT_FALSE(store.Read("MEM-Test", "Optionen", "Monis"));
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\MEM-Test");
}

// Held open by another window, as by another program, the clipboard is not
// reported emptied; once it is free, it is.
TEST(Clipboard, IsEmptiedOnlyWhenNobodyHoldsItOpen) {
    HWND holder = CreateWindowW(L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(holder));
    EXPECT_FALSE(std::async(std::launch::async, [] { return EmptyTheClipboard(nullptr); }).get());
    CloseClipboard();
    EXPECT_TRUE(EmptyTheClipboard(nullptr));
    DestroyWindow(holder);
}

}  // namespace
}  // namespace zeltavor::win32_platform
