#include "system_facilities.h"

#include <pwd.h>
#include <unistd.h>

#include <QLocale>
#include <cstdlib>

namespace zeltavor::linux_platform {

std::string ConfigHome() {
    const char* configured = std::getenv("XDG_CONFIG_HOME");
    if (configured != nullptr && configured[0] == '/') return configured;
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') {
        const struct passwd* account = ::getpwuid(::getuid());
        home = account != nullptr ? account->pw_dir : "";
    }
    return std::string(home) + "/.config";
}

// The link names the program's file byte for byte, whatever the encoding of
// its folders.
RunningExecutable RunningProgram() {
    std::string path(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    path.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {"", path, '/'};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1), '/'};
}

NumberLocale SystemNumberLocale() { return {QLocale::system().decimalPoint().toStdString()}; }

}  // namespace zeltavor::linux_platform
