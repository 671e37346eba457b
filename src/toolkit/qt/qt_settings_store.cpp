#include "qt_settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStorageInfo>

#include "app/errors.h"

namespace zeltavor::qt {

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QSettings StoreOf(std::string_view application) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, FromUtf8(application));
}

QString Key(std::string_view section, std::string_view key) { return FromUtf8(section) + '/' + FromUtf8(key); }

// QSettings only says that the write failed; a trial write beside the file,
// the way QSettings writes, says why.
QString WhyNotWritable(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) return QString("der Ordner %1 lässt sich nicht anlegen").arg(folder);
    if (QFileInfo(path).isDir()) return "an seiner Stelle steht ein Ordner";
    const QStorageInfo storage(folder);
    if (storage.isReadOnly()) return "das Dateisystem ist schreibgeschützt";
    if (storage.bytesAvailable() < QFileInfo(path).size() + 4096) return "der Datenträger ist voll";
    QSaveFile trial(path + ".probe");
    if (!trial.open(QIODevice::WriteOnly)) return trial.errorString();
    trial.write(QByteArray(QFileInfo(path).size() + 4096, '\n'));
    if (!trial.commit()) return trial.errorString();
    QFile::remove(path + ".probe");
    return "unbekannter Grund";
}

// A file that cannot be parsed is kept beside the new one: nothing the user
// had is lost, and writing goes on.
void SetAside(const QString& damagedFile) {
    const QString keep = damagedFile + ".unlesbar";
    QFile::remove(keep);
    QFile::rename(damagedFile, keep);
}

// Qt would write over a file it cannot parse and only then report it.
bool IsDamaged(std::string_view application) {
    const QSettings store = StoreOf(application);
    (void)store.allKeys();  // parsing happens on first access
    return store.status() == QSettings::FormatError;
}

}  // namespace

std::optional<std::string> QtSettingsStore::Read(std::string_view application, std::string_view section,
                                                 std::string_view key) {
    const QSettings store = StoreOf(application);
    const QVariant value = store.value(Key(section, key));
    // A damaged file, or a hand-edited list or typed value, is none of our
    // texts: treat it as missing.
    if (store.status() == QSettings::FormatError || value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::Write(std::string_view application, std::string_view section, std::string_view key,
                            std::string_view value) {
    const QString fileName = StoreOf(application).fileName();
    if (IsDamaged(application)) SetAside(fileName);
    QSettings store = StoreOf(application);
    store.setValue(Key(section, key), FromUtf8(value));
    store.sync();
    if (store.status() == QSettings::NoError) return;
    throw RuntimeError(75, QString("Die Einstellungen konnten nicht in %1 gespeichert werden: %2.")
                               .arg(fileName, WhyNotWritable(fileName))
                               .toStdString());
}

}  // namespace zeltavor::qt
