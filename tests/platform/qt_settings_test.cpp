#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "app/errors.h"
#include "qt_settings_store.h"

namespace zeltavor::qt {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir config;
    QtSettingsStore store;
    QString file;

    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        file = config.filePath("MEM.conf");
    }
    void WriteFile(const QByteArray& content) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
};

TEST_F(SettingsStoreTest, AnyTextComesBackUnchangedFromTheUsersFile) {
    EXPECT_FALSE(store.Read("MEM", "Optionen", "Monis"));
    const char* texts[] = {"1200", "", "a, b", "\"quoted\"", "Größe ÄÖÜ ß", "  spaces  ", "@at",
                           "back\\slash", "semi;colon", "=equals", "#hash", "[section]", "line\nbreak"};
    for (const char* text : texts) {
        store.Write("MEM", "Optionen", "txtHeight", text);
        EXPECT_EQ(store.Read("MEM", "Optionen", "txtHeight"), std::optional<std::string>(text)) << text;
    }
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_FALSE(store.Read("MEM", "Andere", "txtHeight"));  // another section is another key
    EXPECT_EQ(QDir(config.path()).entryList(QDir::Files), QStringList{"MEM.conf"});  // no leftovers
}

TEST_F(SettingsStoreTest, HandEditedValuesThatAreNoTextCountAsMissing) {
    WriteFile("[Optionen]\nMonis=1,2\ntxtHeight=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x6)\nMEMTOP=  1500\nMEMLeft=\n");
    EXPECT_FALSE(store.Read("MEM", "Optionen", "Monis"));
    EXPECT_FALSE(store.Read("MEM", "Optionen", "txtHeight"));
    EXPECT_EQ(store.Read("MEM", "Optionen", "MEMTOP"), "1500");
    EXPECT_EQ(store.Read("MEM", "Optionen", "MEMLeft"), "");
}

// Every key comes from one parse of a damaged file; before the first write it
// is set aside whole, without replacing one set aside before, and what could
// be read goes on into the new file.
TEST_F(SettingsStoreTest, ADamagedFileIsSetAsideAndWhatCouldBeReadIsKept) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 7919) % 256));
    const QByteArray damaged[] = {
        "[Optionen]\nlblHDRAM.Caption=HD\nthis line is no setting\ntxtHeight=1500\n",
        "[Optionen\nlblHDRAM.Caption=HD\ntxtHeight=1500\n",
        garbage};
    for (int i = 0; i < 3; ++i) {
        WriteFile(damaged[i]);
        QtSettingsStore fresh;  // a new start of the program
        const bool readable = i < 2;
        EXPECT_EQ(fresh.Read("MEM", "Optionen", "lblHDRAM.Caption").value_or("<missing>"), readable ? "HD" : "<missing>");
        EXPECT_EQ(fresh.Read("MEM", "Optionen", "txtHeight").value_or("<missing>"), readable ? "1500" : "<missing>");
        fresh.Write("MEM", "Optionen", "MEMTOP", "300");
        QFile kept(file + ".unlesbar" + (i > 0 ? QString(".%1").arg(i + 1) : QString()));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << i;
        EXPECT_EQ(kept.readAll(), damaged[i]);  // nothing lost
        const QSettings written(file, QSettings::IniFormat);
        EXPECT_EQ(written.value("Optionen/MEMTOP"), "300");
        EXPECT_EQ(written.value("Optionen/txtHeight"), readable ? QVariant("1500") : QVariant());
    }
}

TEST_F(SettingsStoreTest, ARefusedWriteNamesTheFileAndTheReason) {
    ASSERT_TRUE(QDir(config.path()).mkdir("MEM.conf"));  // a folder where the file belongs
    try {
        store.Write("MEM", "Optionen", "Monis", "2");
        FAIL() << "the write was not refused";
    } catch (const RuntimeError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(file.toStdString()), std::string::npos) << message;
        EXPECT_NE(message.find("an seiner Stelle steht ein Ordner"), std::string::npos) << message;
    }
    EXPECT_FALSE(store.Read("MEM", "Optionen", "Monis"));
}

}  // namespace
}  // namespace zeltavor::qt
