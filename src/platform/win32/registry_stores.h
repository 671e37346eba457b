#pragma once

#include "runtime/platform.h"

namespace zeltavor::win32_platform {

// Settings as REG_SZ values under HKEY_CURRENT_USER\Software\<application>\<section>.
class RegistrySettingsStore final : public SettingsStore {
public:
    std::optional<std::string> Read(std::string_view application, std::string_view section,
                                    std::string_view key) override;
    void Write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;
};

// Start at logon through the per-user Run key. A command with a blank is put
// in double quotes, so Windows cannot take a shorter path for the program.
class RunKeyAutostart final : public AutostartStore {
public:
    bool Write(std::string_view name, std::string_view command) override;
    bool Remove(std::string_view name) override;
    bool Exists(std::string_view name) override;
};

inline constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

}  // namespace zeltavor::win32_platform
