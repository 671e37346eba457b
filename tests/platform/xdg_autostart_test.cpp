#include "xdg_autostart.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace zeltavor::linux_platform {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The Exec line as a launcher that follows the desktop entry rules reads it:
// the file format's escapes, then quoted arguments, then "%%" to "%".
std::vector<std::string> LaunchedArguments(const std::string& entry) {
    const auto start = entry.find("\nExec=");
    std::string value;
    const std::string raw = entry.substr(start + 6, entry.find('\n', start + 1) - start - 6);
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            value += raw[i];
            continue;
        }
        const char next = raw[++i];
        value += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next == 's' ? ' ' : next;
    }
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false, any = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (quoted && c == '\\' && i + 1 < value.size()) {
            current += value[++i];
        } else if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (c == ' ' && !quoted) {
            if (any) arguments.push_back(current);
            current.clear();
            any = false;
        } else if (c == '%' && i + 1 < value.size() && value[i + 1] == '%') {
            current += '%';
            ++i;
            any = true;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) arguments.push_back(current);
    return arguments;
}

class XdgAutostartTest : public ::testing::Test {
protected:
    fs::path home = fs::temp_directory_path() / ("zeltavor-autostart-" + std::to_string(::getpid()));
    void SetUp() override { fs::remove_all(home); }
    void TearDown() override { fs::remove_all(home); }
};

TEST_F(XdgAutostartTest, WritesAFreshAccountsFirstEntryAndRemovesIt) {
    XdgAutostart autostart((home / "config").string());  // nothing of it exists yet
    EXPECT_FALSE(autostart.Exists("Zeltavor"));
    ASSERT_TRUE(autostart.Write("Zeltavor", "/opt/zeltavor/zeltavor"));
    const fs::path entry = home / "config/autostart/Zeltavor.desktop";
    EXPECT_EQ(ReadFile(entry), "[Desktop Entry]\nType=Application\nName=Zeltavor\nExec=/opt/zeltavor/zeltavor\n");
    EXPECT_EQ(fs::directory_iterator(entry.parent_path())->path(), entry);  // no temporary left
    ASSERT_TRUE(autostart.Write("Zeltavor", "/usr/bin/zeltavor"));  // a new write replaces it
    EXPECT_EQ(LaunchedArguments(ReadFile(entry)), std::vector<std::string>{"/usr/bin/zeltavor"});
    EXPECT_TRUE(autostart.Exists("Zeltavor"));
    EXPECT_TRUE(autostart.Remove("Zeltavor"));
    EXPECT_FALSE(autostart.Exists("Zeltavor"));
    EXPECT_FALSE(autostart.Remove("Zeltavor"));  // nothing there to delete
    EXPECT_FALSE(autostart.Write("../Zeltavor", "/usr/bin/zeltavor"));
}

TEST_F(XdgAutostartTest, AFailedWriteSaysSo) {
    fs::create_directories(home);
    std::ofstream(home / "autostart") << "a file where the folder belongs";
    XdgAutostart autostart(home.string());
    EXPECT_FALSE(autostart.Write("Zeltavor", "/usr/bin/zeltavor"));
    // A folder name that is not UTF-8 has no place in an entry.
    XdgAutostart elsewhere((home / "config").string());
    EXPECT_FALSE(elsewhere.Write("Zeltavor", "/opt/Me\xdf/zeltavor"));
    EXPECT_FALSE(elsewhere.Exists("Zeltavor"));
}

TEST_F(XdgAutostartTest, AwkwardPathsStartExactlyThatProgram) {
    const std::string folders[] = {"Mess Werk", "q\"uote", "100%", "$HOME", "back\\slash", "it's", "`tick`",
                                   "a;b&c|d", "tab\there", "~user (x86) #1 *?<>"};
    XdgAutostart autostart((home / "config").string());
    for (const std::string& folder : folders) {
        const fs::path program = home / folder / "zeltavor";
        fs::create_directories(program.parent_path());
        {
            std::ofstream script(program);
            script << "#!/bin/sh\nprintf '%s' \"$0\" > \"$(dirname \"$0\")/started\"\n";
        }
        fs::permissions(program, fs::perms::owner_all);
        ASSERT_TRUE(autostart.Write("Zeltavor", program.string()));
        const fs::path entry = home / "config/autostart/Zeltavor.desktop";
        EXPECT_EQ(LaunchedArguments(ReadFile(entry)), std::vector<std::string>{program.string()}) << folder;

        // GLib's launcher, as GNOME and others start autostart entries. It
        // checks "%%" paths literally before launching, so those are left to
        // the reader above.
        if (folder.find('%') != std::string::npos) continue;
        const std::string launch = "gio launch '" + entry.string() + "' 2>&1";
        ASSERT_EQ(std::system(launch.c_str()), 0) << folder;
        const fs::path started = program.parent_path() / "started";
        for (int wait = 0; wait < 100 && ReadFile(started) != program.string(); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(ReadFile(started), program.string()) << folder;
    }
}

}  // namespace
}  // namespace zeltavor::linux_platform
