#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <tuple>

#include "command.h"
#include "drives.h"
#include "key_state.h"
#include "memory_status.h"

namespace zeltavor::linux_platform {
namespace {

TEST(Meminfo, LoadIsTheUnavailableShareRoundedOrNothing) {
    const std::string older = "MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 700 kB\nSReclaimable: 150 kB\n";
    for (const auto& [text, load] : {std::pair{std::string("MemTotal: 16000000 kB\nMemFree: 1 kB\nMemAvailable: 8800000 kB\n"), 45u},
                                     {"MemTotal: 1000 kB\nMemAvailable: 1000 kB\n", 0u},
                                     {"MemTotal: 1000 kB\nMemAvailable: 0 kB\n", 100u},
                                     {"MemTotal: 1000 kB\nMemAvailable: 995 kB\n", 0u},  // 0.5: half to even
                                     {older + "Shmem: 50 kB\n", 5u}})  // an older kernel: free's estimate
        EXPECT_EQ(MemoryLoadFromMeminfo(text), load) << text;
    for (const std::string text : {older, std::string("MemTotal: 1000 kB\n"), std::string("MemTotal: 0 kB\nMemAvailable: 0 kB\n"),
                                   std::string("MemTotal: 10 kB\nMemAvailable: 20 kB\n"), std::string("MemTotal: x kB\nMemAvailable: 2 kB\n"),
                                   std::string("MemTotalX: 10 kB\nMemAvailable: 2 kB\n"),
                                   std::string("MemTotal: 99999999999999999999999 kB\nMemAvailable: 2 kB\n")})
        EXPECT_FALSE(MemoryLoadFromMeminfo(text)) << text;
}

// The file stays open between readings: each one must still see what the
// file holds now, however long; what cannot be read has no figure.
TEST(MemoryStatus, AgreesWithFreeAndSeesTheFileAsItIsNow) {
    std::istringstream free(testing::CommandOutput("LC_ALL=C free -b | grep '^Mem:'"));
    std::string label;
    double total = 0, used, unused, shared, cache, available = 0;
    free >> label >> total >> used >> unused >> shared >> cache >> available;
    ASSERT_GT(total, 0) << "free printed no memory line";
    EXPECT_NEAR(LinuxMemoryStatus().MemoryLoad().value_or(-100), 100 * (total - available) / total, 1.5);

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("meminfo-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    LinuxMemoryStatus memory((folder / "meminfo").string());
    EXPECT_FALSE(memory.MemoryLoad());  // not there yet
    for (const auto& [text, load] : {std::pair{std::string("MemTotal: 1000 kB\nMemAvailable: 500 kB\n"), 50u},
                                     {"MemTotal: 1000 kB\nMemAvailable: 900 kB\n", 10u},
                                     {std::string(10000, '#') + "\nMemTotal: 1000 kB\nMemAvailable: 250 kB\n", 75u}}) {
        FILE* file = std::fopen((folder / "meminfo").c_str(), "w");  // truncates in place: the open handle sees it
        std::fputs(text.c_str(), file);
        std::fclose(file);
        EXPECT_EQ(memory.MemoryLoad(), load);
    }
    EXPECT_FALSE(LinuxMemoryStatus(folder.string()).MemoryLoad());  // opens, but reading a folder fails
    std::filesystem::remove_all(folder);
}

// The share in use as df shows it: blocks reserved for root are neither free
// nor part of the disk (the X11 scenario of the disk compares the needle with df).
TEST(Drives, TheSystemDriveIsTheRootFileSystemAsDfShowsIt) {
    struct statvfs figures {};
    figures.f_frsize = 4096, figures.f_blocks = 66053021, figures.f_bfree = 60750877, figures.f_bavail = 19782153;
    const auto geometry = GeometryFromStatvfs(figures);
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->freeClusters, 19782153u);
    EXPECT_EQ(geometry->totalClusters, 66053021u - (60750877u - 19782153u));
    EXPECT_EQ(geometry->bytesPerSector * geometry->sectorsPerCluster, 4096u);
    // More available than free, more free than there is, nothing but the reserve, no fragment size.
    for (const auto& [blocks, free, available, fragment] :
         {std::tuple{100ul, 50ul, 60ul, 4096ul}, {100, 150, 150, 4096}, {100, 100, 0, 4096}, {100, 50, 50, 0}}) {
        figures.f_blocks = blocks, figures.f_bfree = free, figures.f_bavail = available, figures.f_frsize = fragment;
        EXPECT_FALSE(GeometryFromStatvfs(figures)) << blocks << " " << free << " " << available << " " << fragment;
    }
    const auto before = std::filesystem::current_path();
    LinuxDrives drives;
    EXPECT_TRUE(drives.MakeDriveCurrent("C:") && !drives.MakeDriveCurrent("D:") && drives.CurrentDriveGeometry());
    EXPECT_EQ(std::filesystem::current_path(), before);  // the working folder stays where it is

}

TEST(KeyState, PressesAndReleasesGiveTheAsynchronousKeyBits) {
    KeyLatch f12;
    const auto query = [&](auto... steps) {
        (((steps ? f12.Press() : f12.Release())), ...);
        return f12.Query();
    };
    EXPECT_EQ(query(), 0);
    EXPECT_EQ(query(true), -32767);  // 0x8001: down, pressed since the last query
    EXPECT_EQ(query(), std::int16_t(0x8000));  // held: no new press
    EXPECT_EQ(query(false), 0);
    EXPECT_EQ(query(true, false), 0x0001);  // pressed and released between two queries
    EXPECT_EQ(query(), 0);
}

}  // namespace
}  // namespace zeltavor::linux_platform
