#include "xdg_autostart.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace zeltavor::linux_platform {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
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
// before launching, so that path's Exec line is read as written.
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
        ASSERT_EQ(std::system(("gio launch '" + entry.string() + "' 2>&1").c_str()), 0) << folder;
        for (int wait = 0; wait < 100 && ReadFile(started) != program.string(); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(ReadFile(started), program.string()) << folder;
    }
}

}  // namespace
}  // namespace zeltavor::linux_platform
