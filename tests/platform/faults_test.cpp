// What the platform does to the gauge's files: folders missing, read-only or
// full, and two copies of the program writing at once.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <string>

#include "app/errors.h"
#include "qt_settings_store.h"
#include "xdg_autostart.h"

namespace zeltavor {
namespace {

// A small tmpfs over a folder of the test, read-only or of a given size.
class Tmpfs {
public:
    Tmpfs(const QString& folder, const char* options) : folder_(folder.toStdString()) {
        QDir().mkpath(folder);
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options) == 0;
    }
    ~Tmpfs() {
        if (mounted_) ::umount(folder_.c_str());
    }
    bool mounted() const { return mounted_; }
    void MakeReadOnly() { ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr); }

private:
    std::string folder_;
    bool mounted_ = false;
};

class Faults : public ::testing::Test {
protected:
    QTemporaryDir scratch;
    qt::QtSettingsStore store;

    void UseConfigFolder(const QString& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    }
};

QByteArray FileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

std::string RefusalOf(qt::QtSettingsStore& store) {
    try {
        store.Write("MEM", "Optionen", "MEMTOP", "1500");
    } catch (const RuntimeError& error) {
        return error.what();
    }
    return "";
}

TEST_F(Faults, AMissingSettingsFolderIsCreated) {
    const QString folder = scratch.filePath("fresh/account/.config");
    UseConfigFolder(folder);
    EXPECT_FALSE(store.Read("MEM", "Optionen", "Monis"));
    store.Write("MEM", "Optionen", "Monis", "2");
    EXPECT_TRUE(QFile::exists(folder + "/MEM.conf"));
    EXPECT_EQ(store.Read("MEM", "Optionen", "Monis"), "2");
}

TEST_F(Faults, AReadOnlySettingsFolderIsReportedAndNothingIsLost) {
    const QString folder = scratch.filePath("config");
    Tmpfs tmpfs(folder, "size=64k");
    ASSERT_TRUE(tmpfs.mounted()) << "mounting a tmpfs needs root, as in CI";
    UseConfigFolder(folder);
    store.Write("MEM", "Optionen", "MEMTOP", "1000");
    tmpfs.MakeReadOnly();
    const std::string refusal = RefusalOf(store);
    EXPECT_NE(refusal.find((folder + "/MEM.conf").toStdString()), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("schreibgeschützt"), std::string::npos) << refusal;  // and why
    EXPECT_EQ(FileText(folder + "/MEM.conf"), "[Optionen]\nMEMTOP=1000\n");
}

TEST_F(Faults, AFullFileSystemKeepsThePreviousFileWhole) {
    const QString folder = scratch.filePath("config");
    Tmpfs tmpfs(folder, "size=16k");
    ASSERT_TRUE(tmpfs.mounted()) << "mounting a tmpfs needs root, as in CI";
    UseConfigFolder(folder);
    store.Write("MEM", "Optionen", "MEMTOP", "1000");
    QFile filler(folder + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(1024, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
    const std::string refusal = RefusalOf(store);
    EXPECT_NE(refusal.find("der Datenträger ist voll"), std::string::npos) << refusal;
    EXPECT_EQ(FileText(folder + "/MEM.conf"), "[Optionen]\nMEMTOP=1000\n");  // the old file, whole
}

// Root reads any file, so the refusal is seen as an ordinary user would.
TEST_F(Faults, AnUnreadableSettingsFileIsNamedAsTheReason) {
    const QString folder = scratch.filePath("config");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile(scratch.path()).setPermissions(QFileDevice::Permissions(0x7755)));
    QFile file(folder + "/MEM.conf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Optionen]\nMEMTOP=1000\n");
    file.close();
    ASSERT_TRUE(file.setPermissions(QFileDevice::Permissions()));
    const pid_t user = ::fork();
    if (user == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::chown(folder.toUtf8(), kNobody, kNobody) != 0 ||
                                 ::chown(file.fileName().toUtf8(), kNobody, kNobody) != 0 || ::setgid(kNobody) != 0 ||
                                 ::setuid(kNobody) != 0))
            ::_exit(2);
        UseConfigFolder(folder);
        qt::QtSettingsStore own;
        const std::string refusal = RefusalOf(own);
        std::fprintf(stderr, "%s\n", refusal.c_str());
        ::_exit(refusal.find("die Datei darf nicht gelesen werden") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ::waitpid(user, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "no German reason for the unreadable file";
}

TEST_F(Faults, AReadOnlyAutostartFolderRefusesTheEntry) {
    const QString config = scratch.filePath("config");
    Tmpfs tmpfs(config + "/autostart", "size=64k");
    ASSERT_TRUE(tmpfs.mounted()) << "mounting a tmpfs needs root, as in CI";
    tmpfs.MakeReadOnly();
    linux_platform::XdgAutostart autostart(config.toStdString());
    EXPECT_FALSE(autostart.Write("Zeltavor", "/usr/bin/zeltavor"));
    EXPECT_FALSE(autostart.Exists("Zeltavor"));
}

// Two copies writing the same keys at once: the file stays readable and each
// key holds one of the two last writes.
TEST_F(Faults, TwoCopiesWritingAtOnceLeaveAValidFile) {
    UseConfigFolder(scratch.path());
    constexpr int kWrites = 150;
    pid_t writers[2];
    for (int copy = 0; copy < 2; ++copy) {
        writers[copy] = ::fork();
        if (writers[copy] == 0) {
            qt::QtSettingsStore own;
            for (int i = 0; i < kWrites; ++i)
                own.Write("MEM", "Optionen", i % 2 ? "MEMTOP" : "MEMLeft", std::to_string(copy * 10000 + i));
            ::_exit(0);
        }
    }
    for (pid_t writer : writers) {
        int status = 0;
        ::waitpid(writer, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const QSettings written(scratch.filePath("MEM.conf"), QSettings::IniFormat);
    EXPECT_EQ(written.status(), QSettings::NoError);
    const auto top = store.Read("MEM", "Optionen", "MEMTOP");
    const auto left = store.Read("MEM", "Optionen", "MEMLeft");
    EXPECT_TRUE(top == std::to_string(kWrites - 1) || top == std::to_string(10000 + kWrites - 1)) << top.value_or("-");
    EXPECT_TRUE(left == std::to_string(kWrites - 2) || left == std::to_string(10000 + kWrites - 2))
        << left.value_or("-");
}

}  // namespace
}  // namespace zeltavor
