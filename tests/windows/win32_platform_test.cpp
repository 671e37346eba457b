#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "fakes.h"
#include "registry_stores.h"
#include "system_facilities.h"
#include "text.h"

namespace zeltavor::win32_platform {
namespace {

// What the system's own reg.exe prints for a query (Wine has one too).
std::string RegQuery(const std::string& arguments) {
    std::string output;
    FILE* pipe = _popen(("reg query " + arguments + " 2>&1").c_str(), "r");
    char buffer[512];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    if (pipe) _pclose(pipe);
    return output;
}

// Each figure next to what the system reports by another route.
TEST(Win32Facilities, MemoryLoadIsThePhysicalMemoryInUse) {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    const double used = 100.0 * static_cast<double>(status.ullTotalPhys - status.ullAvailPhys) / status.ullTotalPhys;
    EXPECT_NEAR(Win32MemoryStatus().MemoryLoad().value_or(1000), used, 2);
}

TEST(Win32Facilities, DiskFiguresAreWhatTheSystemReportsForC) {
    ULARGE_INTEGER available{}, total{}, free{};
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &total, &free));
    testing::FormFixture f;
    Win32Drives drives;
    Platform platform{f.screen, f.memory, drives, f.keys, f.settings, f.autostart, {"."}};
    Form1 form(platform, f.desktop);
    form.lblHDRAM.Caption = "HD";
    form.Timer2_Timer();
    const double used = 100.0 * (total.QuadPart - available.QuadPart) / total.QuadPart;
    EXPECT_NEAR(form.Percent, used, 0.05);
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_EQ(std::toupper(current[0]), 'C');  // the measured drive stays current
}

TEST(Win32Facilities, DecimalSeparatorIsTheOneTheUsersNumbersShow) {
    wchar_t formatted[32] = {};
    ASSERT_GT(GetNumberFormatW(LOCALE_USER_DEFAULT, 0, L"1.5", nullptr, formatted, 32), 0);
    const std::wstring number = formatted;
    const std::wstring between = number.substr(1, number.find(L'5') - 1);  // "1" + separator + "5…"
    EXPECT_EQ(UserNumberLocale().decimalSeparator, WideToUtf8(between));
}

TEST(RunKey, AValueIsWrittenReadBackByRegAndDeleted) {
    RunKeyAutostart run;
    run.Remove("Zeltavor");
    ASSERT_TRUE(run.Write("Zeltavor", "C:\\Tools\\Gauge"));
    EXPECT_TRUE(run.Exists("Zeltavor"));
    const std::string key = std::string("HKCU\\") + kRunKey;
    std::string listed = RegQuery("\"" + key + "\" /v Zeltavor");
    EXPECT_NE(listed.find("REG_SZ"), std::string::npos) << listed;
    EXPECT_NE(listed.find("C:\\Tools\\Gauge"), std::string::npos) << listed;

    ASSERT_TRUE(run.Write("Zeltavor", "C:\\Program Files\\Mess Werk\\Gauge"));  // replaced, and quoted
    listed = RegQuery("\"" + key + "\" /v Zeltavor");
    EXPECT_NE(listed.find("\"C:\\Program Files\\Mess Werk\\Gauge\""), std::string::npos) << listed;

    EXPECT_TRUE(run.Remove("Zeltavor"));
    EXPECT_FALSE(run.Exists("Zeltavor"));
    EXPECT_FALSE(run.Remove("Zeltavor"));  // nothing left to delete
}

TEST(RegistrySettings, TextsComeBackAndRegSeesThem) {
    RegistrySettingsStore store;
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\MEM-Test");
    EXPECT_FALSE(store.Read("MEM-Test", "Optionen", "Monis"));
    for (const char* text : {"1200", "", "a, b", "Größe", "  blanks  ", "\"q\""}) {
        store.Write("MEM-Test", "Optionen", "txtHeight", text);
        EXPECT_EQ(store.Read("MEM-Test", "Optionen", "txtHeight"), std::optional<std::string>(text)) << text;
    }
    store.Write("MEM-Test", "Optionen", "MEMTOP", "1500");
    const std::string listed = RegQuery("HKCU\\Software\\MEM-Test\\Optionen /v MEMTOP");
    EXPECT_NE(listed.find("1500"), std::string::npos) << listed;

    // A value of another type, set by hand, counts as missing.
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\MEM-Test\\Optionen", 0, KEY_SET_VALUE, &key), 0);
    const DWORD number = 7;
    RegSetValueExA(key, "Monis", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
    EXPECT_FALSE(store.Read("MEM-Test", "Optionen", "Monis"));
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\MEM-Test");
}

}  // namespace
}  // namespace zeltavor::win32_platform
