#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <tuple>

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
    // An older kernel: free's estimate, page cache and reclaimable slab as available.
    EXPECT_EQ(MemoryLoadFromMeminfo("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 700 kB\n"
                                    "SReclaimable: 150 kB\nShmem: 50 kB\n"),
              5u);
}

TEST(Meminfo, TextWithoutUsableFiguresGivesNoLoad) {
    EXPECT_FALSE(MemoryLoadFromMeminfo(""));
    EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotal: 1000 kB\n"));
    EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 700 kB\n"));
    EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotal: 0 kB\nMemAvailable: 0 kB\n"));
    EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotal: 10 kB\nMemAvailable: 20 kB\n"));
    EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotal: x kB\nMemAvailable: 2 kB\n"));
    EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotalX: 10 kB\nMemAvailable: 2 kB\n"));
    EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotal: 99999999999999999999999 kB\nMemAvailable: 2 kB\n"));
}

TEST(MemoryStatus, AgreesWithFreeAndHasNoFigureWhenProcIsUnreadable) {
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

    EXPECT_FALSE(LinuxMemoryStatus("/nonexistent/meminfo").MemoryLoad());
}

// The file stays open between readings: each one must still see what the
// file holds now, however long, and a file that cannot be read has no figure.
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

    EXPECT_FALSE(LinuxMemoryStatus(folder).MemoryLoad());  // opens, but reading a folder fails
    std::remove(path.c_str());
    ::rmdir(folder);
}

// The share in use as df shows it: blocks reserved for root are neither free
// nor part of the disk.
TEST(Drives, FiguresAreTheUsersShareAsDfCountsIt) {
    struct statvfs figures {};
    figures.f_frsize = 4096;
    figures.f_blocks = 66053021, figures.f_bfree = 60750877, figures.f_bavail = 19782153;
    const auto geometry = GeometryFromStatvfs(figures);
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->freeClusters, 19782153u);
    EXPECT_EQ(geometry->totalClusters, 66053021u - (60750877u - 19782153u));
    EXPECT_EQ(geometry->bytesPerSector * geometry->sectorsPerCluster, 4096u);

    // Figures no disk has: more available than free, more free than there is,
    // nothing but the reserve, no fragment size.
    for (const auto& [blocks, free, available, fragment] :
         {std::tuple{100ul, 50ul, 60ul, 4096ul}, {100, 150, 150, 4096}, {100, 100, 0, 4096}, {100, 50, 50, 0}}) {
        figures.f_blocks = blocks, figures.f_bfree = free, figures.f_bavail = available, figures.f_frsize = fragment;
        EXPECT_FALSE(GeometryFromStatvfs(figures)) << blocks << " " << free << " " << available << " " << fragment;
    }
}

TEST(Drives, SystemDriveIsTheRootFileSystemAsDfShowsItAndTheWorkingFolderStays) {
    char before[4096], after[4096];
    ASSERT_TRUE(::getcwd(before, sizeof before));
    LinuxDrives drives;
    EXPECT_FALSE(drives.MakeDriveCurrent("D:"));
    testing::FormFixture f;
    Platform platform{f.screen, f.memory, drives, f.keys, f.settings, f.autostart, {"."}};
    Form1 form(platform, f.desktop);
    form.lblHDRAM.Caption = "HD";
    form.Timer2_Timer();
    ASSERT_TRUE(::getcwd(after, sizeof after));
    EXPECT_STREQ(after, before);

    // df's Use% is the used share of what is used and available, rounded up.
    std::istringstream df(CommandOutput("LC_ALL=C df -B1 --output=used,avail,pcent /"));
    std::string header;
    double used = 0, avail = 0, percent = 0;
    std::getline(df, header);
    df >> used >> avail >> percent;
    ASSERT_GT(used + avail, 0) << "df printed no figures";
    EXPECT_NEAR(form.Percent, 100 * used / (used + avail), 0.05);
    EXPECT_NEAR(form.Percent, percent - 0.5, 0.5);
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
