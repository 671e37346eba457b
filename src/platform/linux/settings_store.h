#pragma once

#include <QSet>
#include <QString>
#include <QVariantMap>
#include <map>

#include "runtime/platform.h"

namespace zeltavor::linux_platform {

// QSettings' INI files: application "MEM" is the file MEM.conf in the folder
// given, a section its group. Every write is synced to the disk at once; Qt
// replaces the file atomically.
//
// A file is parsed once, at its first read, and every key is read from that
// parse; a write looks at the file as it is then, hand edits included. A
// file that does not parse whole, is larger than 64 KiB (unread), or holds
// what Qt would not write back as it reads it (NUL bytes, keys it would
// encode) is damaged: it is set aside as MEM.conf.unlesbar (then .unlesbar.2,
// .3, ...) before it is written, and the program's own values that read
// cleanly (the keys it asked for) go on into the new file, nothing else.
// Anything but a file in its place (a FIFO, a device) is never opened: it
// counts as unreadable, and a write is refused.
class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(const QString& folder) : folder_(folder) {}
    std::optional<std::string> Read(std::string_view application, std::string_view section,
                                    std::string_view key) override;
    void Write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;

private:
    struct Parsed {
        QVariantMap values;  // "section/key" to what the file holds
        bool damaged = false;
    };
    static Parsed Parse(const QString& path);
    QString FileOf(std::string_view application) const;

    QString folder_;
    std::map<std::string, Parsed, std::less<>> files_;  // as first read
    QSet<QString> asked_;  // "section/key" of every read and write: the program's own
};

}  // namespace zeltavor::linux_platform
