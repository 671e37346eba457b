#include "xdg_autostart.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace zeltavor::linux_platform {

namespace {

// Characters that make an Exec argument need quoting.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";

// Creates every missing folder of the path, private ones as the XDG base
// directories want them.
bool MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) return true;
    }
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A new file beside the old one, renamed over it once it is complete, so a
// crash leaves the old entry or the new one, never half of one.
bool WriteAtomically(const std::string& path, std::string_view text) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    const bool written = WriteAll(fd, text) && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

// Desktop entries are UTF-8 text: a path in another encoding cannot be
// written into one.
bool IsUtf8(std::string_view text) {
    const iconv_t validator = ::iconv_open("UTF-8", "UTF-8");
    if (validator == reinterpret_cast<iconv_t>(-1)) return false;
    std::string input(text), output(text.size(), '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size(), outLeft = output.size();
    const bool valid = ::iconv(validator, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    ::iconv_close(validator);
    return valid;
}

}  // namespace

std::string DesktopEntryExec(std::string_view command) {
    std::string argument;
    if (command.find_first_of(kReserved) == std::string_view::npos) {
        argument = command;
    } else {
        argument = "\"";
        for (const char c : command) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') argument += '\\';
            argument += c;
        }
        argument += '"';
    }
    // Then the escapes of the file format itself: "%" starts a field code,
    // and a backslash, a line break or a tab must be written as an escape.
    std::string value;
    for (const char c : argument) {
        switch (c) {
            case '%': value += "%%"; break;
            case '\\': value += "\\\\"; break;
            case '\n': value += "\\n"; break;
            case '\t': value += "\\t"; break;
            case '\r': value += "\\r"; break;
            default: value += c;
        }
    }
    return value;
}

// Relative paths in the environment are ignored, as the base directory rules
// say: they would name another folder whenever the working folder changes.
XdgAutostart::XdgAutostart(std::string configHome) : folder_(std::move(configHome) + "/autostart") {}

std::string XdgAutostart::EntryPath(std::string_view name) const {
    return folder_ + "/" + std::string(name) + ".desktop";
}

bool XdgAutostart::Write(std::string_view name, std::string_view command) {
    if (name.empty() || name.find('/') != std::string_view::npos || !IsUtf8(command) || !MakeFolders(folder_))
        return false;
    const std::string entry = "[Desktop Entry]\nType=Application\nName=" + std::string(name) +
                              "\nExec=" + DesktopEntryExec(command) + "\n";
    return WriteAtomically(EntryPath(name), entry);
}

bool XdgAutostart::Remove(std::string_view name) { return ::unlink(EntryPath(name).c_str()) == 0; }

bool XdgAutostart::Exists(std::string_view name) {
    struct stat info {};
    return ::lstat(EntryPath(name).c_str(), &info) == 0;
}

}  // namespace zeltavor::linux_platform
