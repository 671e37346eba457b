#pragma once

#include <QString>
#include <QVariantMap>
#include <map>

#include "app/platform.h"

namespace zeltavor::linux_platform {

// QSettings' INI files: application "MEM" is the file MEM.conf in the folder
// given, a section its group. Every write is synced to the disk at once; Qt
// replaces the file atomically.
//
// A file is parsed once, at its first read, and every key is read from that
// parse; a write looks at the file as it is then, hand edits included. A
// file that does not parse whole is set aside as MEM.conf.unlesbar (then
// .unlesbar.2, .3, ...) before it is written, and the values that could be
// read go on into the new file. Anything but a file in its place (a FIFO, a
// device) is never opened: it counts as unreadable, and a write is refused.
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
};

}  // namespace zeltavor::linux_platform
