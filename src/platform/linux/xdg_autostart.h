#pragma once

#include <string>

#include "runtime/platform.h"
#include "system_facilities.h"

namespace zeltavor::linux_platform {

// The command as the Exec key of a desktop entry: one argument that names
// exactly this program, whatever its path holds (blanks, quotes, "%", "$",
// backslashes), quoted and escaped as desktop entries require.
std::string DesktopEntryExec(std::string_view command);

// Start at logon through the per-user autostart folder of XDG desktops:
// CONFIG_HOME/autostart/NAME.desktop.
class XdgAutostart final : public AutostartStore {
public:
    explicit XdgAutostart(std::string configHome = ConfigHome());
    // Written atomically; the folder is created when a fresh account has none.
    // A command that is not UTF-8 cannot be written.
    bool Write(std::string_view name, std::string_view command) override;
    bool Remove(std::string_view name) override;
    bool Exists(std::string_view name) override;

private:
    std::string EntryPath(std::string_view name) const;
    std::string folder_;
};

}  // namespace zeltavor::linux_platform
