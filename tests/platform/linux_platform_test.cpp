#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <tuple>

#include "drives.h"
#include "memory_status.h"
#include "xdg_autostart.h"

namespace zeltavor::linux_platform {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

TEST(Meminfo, LoadIsTheUnavailableShareRoundedOrNothing) {
    const std::string older = "MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 700 kB\nSReclaimable: 150 kB\n";
    for (const auto& [text, load] : {std::pair{std::string("MemTotal: 16000000 kB\nMemFree: 1 kB\nMemAvailable: 8800000 kB\n"), 45u},
                                     {"MemTotal: 1000 kB\nMemAvailable: 1000 kB\n", 0u},
                                     {"MemTotal: 1000 kB\nMemAvailable: 0 kB\n", 100u},
                                     {"MemTotal: 1000 kB\nMemAvailable: 995 kB\n", 0u},  // 0.5: half to even
                                     {older + "Shmem: 50 kB\n", 5u}})  // an older kernel: free's estimate
        EXPECT_EQ(MemoryLoadFromMeminfo(text), load) << text;
    for (const std::string& text : {older, std::string("MemTotal: 1000 kB\n"), std::string("MemTotal: 0 kB\nMemAvailable: 0 kB\n"),
                                   std::string("MemTotal: 10 kB\nMemAvailable: 20 kB\n"), std::string("MemTotal: x kB\nMemAvailable: 2 kB\n"),
                                   std::string("MemTotalX: 10 kB\nMemAvailable: 2 kB\n"),
                                   std::string("MemTotal: 99999999999999999999999 kB\nMemAvailable: 2 kB\n")})
        EXPECT_FALSE(MemoryLoadFromMeminfo(text)) << text;
}

// The file stays open between readings: each one must still see what the
// file holds now, however long; what cannot be read has no figure. (The X11
// scenarios compare the running gauge with /proc/meminfo.)
TEST(MemoryStatus, SeesTheFileAsItIsNow) {
    const fs::path folder = fs::temp_directory_path() / ("meminfo-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    LinuxMemoryStatus memory((folder / "meminfo").string());
    EXPECT_FALSE(memory.MemoryLoad());  // not there yet
    for (const auto& [text, load] : {std::pair{std::string("MemTotal: 1000 kB\nMemAvailable: 500 kB\n"), 50u},
                                     {"MemTotal: 1000 kB\nMemAvailable: 900 kB\n", 10u},
                                     {std::string(10000, '#') + "\nMemTotal: 1000 kB\nMemAvailable: 250 kB\n", 75u}}) {
        std::ofstream(folder / "meminfo") << text;  // truncates in place: the open handle sees it
        EXPECT_EQ(memory.MemoryLoad(), load);
    }
    EXPECT_FALSE(LinuxMemoryStatus(folder.string()).MemoryLoad());  // opens, but reading a folder fails
    fs::remove_all(folder);
}

// The share in use as df shows it: blocks reserved for root are neither free
// nor part of the disk (the X11 scenario of the disk compares the needle with df).
TEST(Drives, TheSystemDriveIsTheRootFileSystemAsDfShowsIt) {
    struct statvfs figures {};
    figures.f_frsize = 4096, figures.f_blocks = 66053021, figures.f_bfree = 60750877, figures.f_bavail = 19782153;
    const auto geometry = GeometryFromStatvfs(figures);
    ASSERT_TRUE(geometry);
    EXPECT_EQ(std::tuple(geometry->freeClusters, geometry->totalClusters, geometry->bytesPerSector * geometry->sectorsPerCluster),
              std::tuple(19782153u, 66053021u - (60750877u - 19782153u), 4096u));
    figures.f_blocks = figures.f_bfree = figures.f_bavail = 100;  // empty and without a reserve, as a fresh tmpfs
    EXPECT_TRUE(GeometryFromStatvfs(figures));
    // More available than free, more free than there is, nothing but the reserve, no fragment size.
    for (const auto& [blocks, free, available, fragment] :
         {std::tuple{100ul, 50ul, 60ul, 4096ul}, {100, 150, 150, 4096}, {100, 100, 0, 4096}, {100, 50, 50, 0}}) {
        figures.f_blocks = blocks, figures.f_bfree = free, figures.f_bavail = available, figures.f_frsize = fragment;
        EXPECT_FALSE(GeometryFromStatvfs(figures)) << blocks << " " << free << " " << available << " " << fragment;
    }
    const auto before = fs::current_path();
    LinuxDrives drives;
    EXPECT_TRUE(drives.MakeDriveCurrent("C:") && !drives.MakeDriveCurrent("D:") && drives.CurrentDriveGeometry());
    EXPECT_EQ(fs::current_path(), before);  // the working folder stays where it is
}

class XdgAutostartTest : public ::testing::Test {
protected:
    fs::path home = fs::temp_directory_path() / ("zeltavor-autostart-" + std::to_string(::getpid()));
    fs::path entry = home / "config/autostart/Zeltavor.desktop";
    XdgAutostart autostart{(home / "config").string()};  // nothing of it exists yet
    void SetUp() override { fs::remove_all(home); }
    void TearDown() override { fs::remove_all(home); }
};

TEST_F(XdgAutostartTest, WritesAFreshAccountsEntryAndRemovesIt) {
    ASSERT_TRUE(autostart.Write("Zeltavor", "/opt/zeltavor/zeltavor"));
    ASSERT_TRUE(autostart.Write("Zeltavor", "/usr/bin/zeltavor"));  // a new write replaces it
    EXPECT_EQ(ReadFile(entry), "[Desktop Entry]\nType=Application\nName=Zeltavor\nExec=/usr/bin/zeltavor\n");
    EXPECT_EQ(fs::directory_iterator(entry.parent_path())->path(), entry);  // no temporary left
    EXPECT_TRUE(autostart.Remove("Zeltavor"));
    EXPECT_FALSE(autostart.Exists("Zeltavor"));
    EXPECT_FALSE(autostart.Remove("Zeltavor"));  // nothing there to delete
    // What an entry cannot hold: a name with a folder in it, a path that is not UTF-8.
    EXPECT_FALSE(autostart.Write("../Zeltavor", "/usr/bin/zeltavor"));
    EXPECT_FALSE(autostart.Write("Zeltavor", "/opt/Me\xdf/zeltavor"));
    EXPECT_FALSE(autostart.Exists("Zeltavor"));
    fs::remove_all(home / "config/autostart");
    std::ofstream(home / "config/autostart") << "a file where the folder belongs";
    EXPECT_FALSE(autostart.Write("Zeltavor", "/usr/bin/zeltavor"));
}

// A relative XDG_CONFIG_HOME would name another folder whenever the working
// folder changes: it is ignored, as the base directory rules ask.
TEST(ConfigHome, IsTheAbsoluteXdgConfigHomeOrTheConfigFolderAtHome) {
    for (const auto& [configHome, expected] : {std::pair{"/etc/xdg-test", "/etc/xdg-test"}, {"relcfg", "/home/test/.config"},
                                              {"", "/home/test/.config"}}) {
        ::setenv("HOME", "/home/test", 1);
        ::setenv("XDG_CONFIG_HOME", configHome, 1);
        EXPECT_EQ(ConfigHome(), expected) << configHome;
    }
}

// GLib's launcher, as GNOME and others start autostart entries, starts
// exactly the program whatever its path holds. It checks "%%" literally
// before launching, so that path's Exec line is read as written. Its cache
// goes into the test's home.
TEST_F(XdgAutostartTest, AwkwardPathsStartExactlyThatProgram) {
    ASSERT_TRUE(autostart.Write("Zeltavor", "/opt/100%/zeltavor"));
    EXPECT_NE(ReadFile(entry).find("\nExec=/opt/100%%/zeltavor\n"), std::string::npos);
    for (const std::string folder : {"Mess Werk", "q\"uote", "$HOME", "back\\slash", "it's", "`tick`", "a;b&c|d",
                                     "tab\there", "~user (x86) #1 *?<>"}) {
        const fs::path program = home / folder / "zeltavor", started = home / folder / "started";
        fs::create_directories(program.parent_path());
        std::ofstream(program) << "#!/bin/sh\nprintf '%s' \"$0\" > \"$(dirname \"$0\")/started\"\n";
        fs::permissions(program, fs::perms::owner_all);
        ASSERT_TRUE(autostart.Write("Zeltavor", program.string()));
        ASSERT_EQ(std::system(("HOME='" + home.string() + "' gio launch '" + entry.string() + "' 2>&1").c_str()), 0) << folder;
        for (int wait = 0; wait < 100 && ReadFile(started) != program.string(); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(ReadFile(started), program.string()) << folder;
    }
}

}  // namespace
}  // namespace zeltavor::linux_platform
