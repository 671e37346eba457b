#pragma once

#include "app/platform.h"

namespace zeltavor::qt {

// QSettings in the native format: application "MEM" is the file
// $XDG_CONFIG_HOME/MEM.conf, a section its group. Every write is synced to the
// disk at once; Qt replaces the file atomically.
class QtSettingsStore final : public SettingsStore {
public:
    std::optional<std::string> Read(std::string_view application, std::string_view section,
                                    std::string_view key) override;
    void Write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;
};

}  // namespace zeltavor::qt
