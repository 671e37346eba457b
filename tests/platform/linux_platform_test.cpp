#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "../core/fakes.h"
#include "drives.h"
#include "key_state.h"
#include "memory_status.h"

namespace zeltavor::linux_platform {
namespace {

std::string CommandOutput(const char* command) {
    std::string output;
    FILE* pipe = ::popen(command, "r");
    if (pipe == nullptr) return output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    ::pclose(pipe);
    return output;
}

TEST(Meminfo, LoadIsTheUnavailableShareRounded) {
    EXPECT_EQ(MemoryLoadFromMeminfo("MemTotal:       16000000 kB\nMemFree:  1 kB\nMemAvailable:    8800000 kB\n"), 45u);
    EXPECT_EQ(MemoryLoadFromMeminfo("MemTotal: 1000 kB\nMemAvailable: 1000 kB\n"), 0u);
    EXPECT_EQ(MemoryLoadFromMeminfo("MemTotal: 1000 kB\nMemAvailable: 0 kB\n"), 100u);
    EXPECT_EQ(MemoryLoadFromMeminfo("MemTotal: 1000 kB\nMemAvailable: 995 kB\n"), 0u);  // 0.5: half to even
}

TEST(Meminfo, TextWithoutUsableFiguresGivesNoLoad) {
    EXPECT_FALSE(MemoryLoadFromMeminfo(""));
    EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotal: 1000 kB\n"));
    EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotal: 0 kB\nMemAvailable: 0 kB\n"));
    EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotal: 10 kB\nMemAvailable: 20 kB\n"));
    EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotal: x kB\nMemAvailable: 2 kB\n"));
    EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotalX: 10 kB\nMemAvailable: 2 kB\n"));
    EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotal: 99999999999999999999999 kB\nMemAvailable: 2 kB\n"));
}

TEST(MemoryStatus, AgreesWithFreeAndFallsBackWhenProcIsUnreadable) {
    std::istringstream free(CommandOutput("LC_ALL=C free -b"));
    std::string line;
    double total = 0, available = 0;
    while (std::getline(free, line)) {
        if (!line.starts_with("Mem:")) continue;
        std::istringstream fields(line.substr(4));
        double used, unused, shared, cache;
        fields >> total >> used >> unused >> shared >> cache >> available;
    }
    ASSERT_GT(total, 0) << "free printed no memory line";
    const auto load = LinuxMemoryStatus().MemoryLoad();
    ASSERT_TRUE(load);
    EXPECT_NEAR(*load, 100 * (total - available) / total, 1.5);

    const auto fallback = LinuxMemoryStatus("/nonexistent/meminfo").MemoryLoad();
    ASSERT_TRUE(fallback);
    EXPECT_LE(*fallback, 100u);
}

// The file stays open between readings: each one must still see what the
// file holds now, however long, and a file that cannot be read falls back.
TEST(MemoryStatus, EachReadingSeesTheFileAsItIsNow) {
    char folder[] = "/tmp/meminfo-XXXXXX";
    ASSERT_TRUE(::mkdtemp(folder));
    const std::string path = std::string(folder) + "/meminfo";
    const auto write = [&](const std::string& text) {
        FILE* file = std::fopen(path.c_str(), "w");  // truncates in place: the open handle sees it
        std::fputs(text.c_str(), file);
        std::fclose(file);
    };
    LinuxMemoryStatus memory(path);
    write("MemTotal: 1000 kB\nMemAvailable: 500 kB\n");
    EXPECT_EQ(memory.MemoryLoad(), 50u);
    write("MemTotal: 1000 kB\nMemAvailable: 900 kB\n");
    EXPECT_EQ(memory.MemoryLoad(), 10u);
    write(std::string(10000, '#') + "\nMemTotal: 1000 kB\nMemAvailable: 250 kB\n");
    EXPECT_EQ(memory.MemoryLoad(), 75u);

    const auto unreadable = LinuxMemoryStatus(folder).MemoryLoad();  // opens, but reading a folder fails
    ASSERT_TRUE(unreadable);
    EXPECT_LE(*unreadable, 100u);
    std::remove(path.c_str());
    ::rmdir(folder);
}

TEST(Drives, SystemDriveIsTheRootFileSystemAndAgreesWithDf) {
    LinuxDrives drives;
    EXPECT_FALSE(drives.MakeDriveCurrent("D:"));
    ASSERT_TRUE(drives.MakeDriveCurrent("C:"));
    char cwd[4096];
    ASSERT_TRUE(::getcwd(cwd, sizeof cwd));
    EXPECT_STREQ(cwd, "/");

    // The gauge's reading next to df's figures for "/", computed the same way.
    testing::FormFixture f;
    Platform platform{f.screen, f.memory, drives, f.keys, f.settings, f.autostart, {"."}};
    Form1 form(platform, f.desktop);
    form.lblHDRAM.Caption = "HD";
    form.Timer2_Timer();
    std::istringstream df(CommandOutput("LC_ALL=C df -B1 --output=size,avail /"));
    std::string header;
    double size = 0, avail = 0;
    std::getline(df, header);
    df >> size >> avail;
    ASSERT_GT(size, 0) << "df printed no figures";
    EXPECT_NEAR(form.Percent, 100 * (size - avail) / size, 0.05);
}

TEST(KeyState, PressesAndReleasesGiveTheAsynchronousKeyBits) {
    KeyLatch f12;
    EXPECT_EQ(f12.Query(), 0);
    f12.Press();
    EXPECT_EQ(f12.Query(), -32767);  // 0x8001: down, pressed since the last query
    EXPECT_EQ(f12.Query(), std::int16_t(0x8000));  // held: no new press
    f12.Release();
    EXPECT_EQ(f12.Query(), 0);
    f12.Press();
    f12.Release();
    EXPECT_EQ(f12.Query(), 0x0001);  // pressed and released between two queries
    EXPECT_EQ(f12.Query(), 0);
}

}  // namespace
}  // namespace zeltavor::linux_platform
