#pragma once

#include <QString>
#include <QVariantMap>
#include <map>

#include "app/platform.h"

namespace zeltavor::linux_platform {

// QSettings in the native format: application "MEM" is the file MEM.conf in
// the user's configuration folder, a section its group. Every write is synced
// to the disk at once; Qt replaces the file atomically.
//
// A file is parsed once, at its first use, and every key is read from that
// parse. A file that does not parse whole is set aside as MEM.conf.unlesbar
// (then .unlesbar.2, .3, ...) before the first write, and the values that
// could be read go on into the new file.
class QtSettingsStore final : public SettingsStore {
public:
    std::optional<std::string> Read(std::string_view application, std::string_view section,
                                    std::string_view key) override;
    void Write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;

private:
    struct Parsed {
        QVariantMap values;  // "section/key" to what the file holds
        bool damaged = false;
    };
    Parsed& ParsedFile(std::string_view application);

    std::map<std::string, Parsed, std::less<>> files_;
};

}  // namespace zeltavor::linux_platform
