// The settings file as arbitrary bytes: reading never fails, and a write
// afterwards always lands and reads back.
#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

#include "qt_settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QFile file(config.filePath("MEM.conf"));
    if (!file.open(QIODevice::WriteOnly)) std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    zeltavor::qt::QtSettingsStore store;
    for (const char* key : {"lblHDRAM.Caption", "Monis", "txtHeight", "MEMTOP", "MEMLeft"})
        (void)store.Read("MEM", "Optionen", key);
    store.Write("MEM", "Optionen", "MEMTOP", "1500");
    if (store.Read("MEM", "Optionen", "MEMTOP") != std::optional<std::string>("1500")) std::abort();
    QFile::remove(config.filePath("MEM.conf.unlesbar"));
    return 0;
}
