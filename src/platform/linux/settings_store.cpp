#include "settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStorageInfo>
#include <algorithm>

#include "runtime/errors.h"

namespace zeltavor::linux_platform {

namespace {

// Ours hold a few hundred bytes; a larger file is no settings file of ours
// and is set aside unread, however large or sparse.
constexpr qint64 kLargestFile = 64 * 1024;

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString Key(std::string_view section, std::string_view key) { return FromUtf8(section) + '/' + FromUtf8(key); }

// Room for the lock file, the new file beside the old one and what the values
// may grow by. With less, Qt reports a write that met a full disk as done and
// leaves an empty file in place of the old one. Where no mount covers the
// folder (a chroot) nobody can tell: the write is tried.
bool RoomToWrite(const QString& path) {
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    return !storage.isValid() || storage.bytesAvailable() < 0 || storage.bytesAvailable() >= QFileInfo(path).size() + 65536;
}

// QSettings only says that the write failed; a look at the file and its
// folder, and a trial write beside it the way QSettings writes, say why.
QString WhyNotWritable(const QString& path) {
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (!QDir().mkpath(folder)) return QString("der Ordner %1 lässt sich nicht anlegen").arg(folder);
    if (file.isDir()) return "an seiner Stelle steht ein Ordner";
    if (file.exists() && !file.isFile()) return "an seiner Stelle steht keine gewöhnliche Datei";
    const QStorageInfo storage(folder);
    if (storage.isReadOnly()) return "das Dateisystem ist schreibgeschützt";
    if (file.exists() && !file.isReadable()) return "die Datei darf nicht gelesen werden";
    if (file.exists() && !file.isWritable()) return "die Datei darf nicht geändert werden";
    if (!QFileInfo(folder).isWritable()) return QString("im Ordner %1 darf nichts angelegt werden").arg(folder);
    if (!RoomToWrite(path)) return "der Datenträger ist voll";
    QSaveFile trial(path + ".probe");
    const bool written = trial.open(QIODevice::WriteOnly) &&
                         trial.write(QByteArray(file.size() + 4096, '\n')) == file.size() + 4096 && trial.commit();
    const bool full = trial.error() == QFileDevice::ResourceError;
    QFile::remove(path + ".probe");
    if (full) return "der Datenträger ist voll";
    return written ? "die Datei ließ sich nicht ersetzen" : "eine Probedatei ließ sich nicht schreiben";
}

[[noreturn]] void Refuse(const QString& fileName, const QString& reason) {
    throw PathFileAccessError(QString("Die Einstellungen konnten nicht in %1 gespeichert werden: %2.")
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

// Opening a FIFO would wait for a writer, for ever.
bool FileOrNothing(const QString& path) { return !QFileInfo::exists(path) || QFileInfo(path).isFile(); }

// What Qt writes back as it read it: a key of letters, digits, "_", "-" and
// ".", with "/" after its section (Qt would encode anything else), and a
// value that is text without NUL.
bool Clean(const QString& key, const QVariant& value) {
    const bool plainKey = std::all_of(key.begin(), key.end(), [](QChar c) {
        return c.unicode() < 128 && (c.isLetterOrNumber() || QStringLiteral("_-./").contains(c));
    });
    return plainKey && (value.typeId() != QMetaType::QString || !value.toString().contains(QChar(0)));
}

// Qt reads a file that begins with UTF-8's byte order mark whole, and calls
// it malformed: the mark goes, the text stays as it was.
void DropByteOrderMark(const QString& path, const QByteArray& bytes) {
    if (!bytes.startsWith("\xEF\xBB\xBF")) return;
    const QByteArray text = bytes.mid(3);
    QSaveFile plain(path);
    if (plain.open(QIODevice::WriteOnly) && plain.write(text) == text.size()) plain.commit();
}

}  // namespace

QtSettingsStore::Parsed QtSettingsStore::Parse(const QString& path) {
    Parsed parsed;
    if (!FileOrNothing(path)) return parsed;
    QFile file(path);  // too large, or with NUL bytes in it: damaged, and nothing of it is read
    if (file.size() > kLargestFile) return {{}, true};
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (bytes.contains('\0')) return {{}, true};
    DropByteOrderMark(path, bytes);
    const QSettings store(path, QSettings::IniFormat);
    for (const QString& key : store.allKeys()) {
        const QVariant value = store.value(key);
        parsed.damaged = parsed.damaged || !Clean(key, value);
        parsed.values.insert(key, value);
    }
    parsed.damaged = parsed.damaged || store.status() == QSettings::FormatError;  // known once it has parsed
    return parsed;
}

QString QtSettingsStore::FileOf(std::string_view application) const { return folder_ + '/' + FromUtf8(application) + ".conf"; }

std::optional<std::string> QtSettingsStore::Read(std::string_view application, std::string_view section,
                                                 std::string_view key) {
    auto parsed = files_.find(application);
    if (parsed == files_.end()) parsed = files_.emplace(application, Parse(FileOf(application))).first;
    asked_.insert(Key(section, key));
    const QVariant value = parsed->second.values.value(Key(section, key));
    if (!Clean(Key(section, key), value)) return std::nullopt;
    // A hand-edited list or typed value is none of our texts: treat it as missing.
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::Write(std::string_view application, std::string_view section, std::string_view key,
                            std::string_view value) {
    const QString fileName = FileOf(application);
    if (!FileOrNothing(fileName) || (QDir().mkpath(folder_) && !RoomToWrite(fileName)))
        Refuse(fileName, WhyNotWritable(fileName));
    // Qt would write over what it cannot parse. It tells of damage only as it
    // parses a file anew, so what the first read found counts too.
    Parsed& known = files_[std::string(application)];
    const Parsed now = Parse(fileName);
    const bool damaged = now.damaged || known.damaged;
    if (damaged && !SetAside(fileName)) Refuse(fileName, "die beschädigte Datei ließ sich nicht beiseitelegen");
    QSettings store(fileName, QSettings::IniFormat);
    asked_.insert(Key(section, key));
    if (damaged)  // the program's own values that read cleanly, nothing foreign
        for (auto entry = now.values.cbegin(); entry != now.values.cend(); ++entry)
            if (asked_.contains(entry.key()) && entry.value().typeId() == QMetaType::QString && Clean(entry.key(), entry.value()))
                store.setValue(entry.key(), entry.value());
    store.setValue(Key(section, key), FromUtf8(value));
    store.sync();
    if (store.status() != QSettings::NoError) Refuse(fileName, WhyNotWritable(fileName));
    known = {now.values, false};  // what later reads find
    known.values.insert(Key(section, key), FromUtf8(value));
}

}  // namespace zeltavor::linux_platform
