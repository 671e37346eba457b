#include "settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStorageInfo>
#include <utility>

#include "app/errors.h"

namespace zeltavor::linux_platform {

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QSettings StoreOf(std::string_view application) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, FromUtf8(application));
}

QString Key(std::string_view section, std::string_view key) { return FromUtf8(section) + '/' + FromUtf8(key); }

// Room for the lock file, the new file beside the old one and what the values
// may grow by. With less, Qt reports a write that met a full disk as done and
// leaves an empty file in place of the old one.
bool RoomToWrite(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    return QStorageInfo(folder).bytesAvailable() >= QFileInfo(path).size() + 65536;
}

// QSettings only says that the write failed; a look at the file and its
// folder, and a trial write beside it the way QSettings writes, say why.
QString WhyNotWritable(const QString& path) {
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (!QDir().mkpath(folder)) return QString("der Ordner %1 lässt sich nicht anlegen").arg(folder);
    if (file.isDir()) return "an seiner Stelle steht ein Ordner";
    const QStorageInfo storage(folder);
    if (storage.isReadOnly()) return "das Dateisystem ist schreibgeschützt";
    if (file.exists() && !file.isReadable()) return "die Datei darf nicht gelesen werden";
    if (file.exists() && !file.isWritable()) return "die Datei darf nicht geändert werden";
    if (!QFileInfo(folder).isWritable()) return QString("im Ordner %1 darf nichts angelegt werden").arg(folder);
    if (!RoomToWrite(path)) return "der Datenträger ist voll";
    QSaveFile trial(path + ".probe");
    const bool written = trial.open(QIODevice::WriteOnly) &&
                         trial.write(QByteArray(file.size() + 4096, '\n')) == file.size() + 4096 && trial.commit();
    QFile::remove(path + ".probe");
    return written ? "die Datei ließ sich nicht ersetzen" : "eine Probedatei ließ sich nicht schreiben";
}

[[noreturn]] void Refuse(const QString& fileName, const QString& reason) {
    throw RuntimeError(75, QString("Die Einstellungen konnten nicht in %1 gespeichert werden: %2.")
                               .arg(fileName, reason)
                               .toStdString());
}

// A damaged file is kept beside the new one, never over an earlier one:
// nothing the user had is lost.
bool SetAside(const QString& damagedFile) {
    for (int number = 1; number < 1000; ++number) {
        const QString keep = damagedFile + ".unlesbar" + (number > 1 ? QString(".%1").arg(number) : QString());
        if (!QFileInfo::exists(keep)) return QFile::rename(damagedFile, keep);
    }
    return false;
}

}  // namespace

QtSettingsStore::Parsed& QtSettingsStore::ParsedFile(std::string_view application) {
    if (const auto found = files_.find(application); found != files_.end()) return found->second;
    const QSettings store = StoreOf(application);
    Parsed parsed;
    for (const QString& key : store.allKeys()) parsed.values.insert(key, store.value(key));
    parsed.damaged = store.status() == QSettings::FormatError;
    return files_.emplace(application, std::move(parsed)).first->second;
}

std::optional<std::string> QtSettingsStore::Read(std::string_view application, std::string_view section,
                                                 std::string_view key) {
    const QVariant value = ParsedFile(application).values.value(Key(section, key));
    // A hand-edited list or typed value is none of our texts: treat it as missing.
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::Write(std::string_view application, std::string_view section, std::string_view key,
                            std::string_view value) {
    Parsed& parsed = ParsedFile(application);
    const QString fileName = StoreOf(application).fileName();
    if (QDir().mkpath(QFileInfo(fileName).absolutePath()) && !RoomToWrite(fileName)) Refuse(fileName, WhyNotWritable(fileName));
    // Qt would write over what it cannot parse.
    if (parsed.damaged && !SetAside(fileName)) Refuse(fileName, "die beschädigte Datei ließ sich nicht beiseitelegen");
    QSettings store = StoreOf(application);
    if (std::exchange(parsed.damaged, false))
        for (auto entry = parsed.values.cbegin(); entry != parsed.values.cend(); ++entry)
            store.setValue(entry.key(), entry.value());
    store.setValue(Key(section, key), FromUtf8(value));
    store.sync();
    if (store.status() != QSettings::NoError) Refuse(fileName, WhyNotWritable(fileName));
    parsed.values.insert(Key(section, key), FromUtf8(value));
}

}  // namespace zeltavor::linux_platform
