#include "memory_status.h"

#include <fcntl.h>
#include <sys/sysinfo.h>
#include <unistd.h>

#include <charconv>
#include <cmath>

namespace zeltavor::linux_platform {

namespace {

std::optional<std::uint64_t> FieldKilobytes(std::string_view meminfo, std::string_view key) {
    for (std::size_t start = 0; start < meminfo.size();) {
        const std::size_t end = std::min(meminfo.find('\n', start), meminfo.size());
        std::string_view line = meminfo.substr(start, end - start);
        start = end + 1;
        if (!line.starts_with(key) || line.substr(key.size()).substr(0, 1) != ":") continue;
        line.remove_prefix(key.size() + 1);
        while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
        std::uint64_t value = 0;
        const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), value);
        if (error != std::errc() || rest == line.data()) return std::nullopt;
        return value;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> LoadOf(std::uint64_t total, std::uint64_t available) {
    if (total == 0 || available > total) return std::nullopt;
    const double used = static_cast<double>(total - available);
    return static_cast<std::uint32_t>(std::nearbyint(100.0 * used / static_cast<double>(total)));
}

std::optional<std::string> ReadSmallFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string text;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0 && text.size() < (1u << 20))
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(fd);
    if (got < 0) return std::nullopt;
    return text;
}

std::optional<std::uint32_t> LoadFromSysinfo() {
    struct sysinfo info {};
    if (::sysinfo(&info) != 0) return std::nullopt;
    // sysinfo knows no "available" figure; free and buffer memory come closest.
    const std::uint64_t available = std::uint64_t{info.freeram} + info.bufferram;
    return LoadOf(info.totalram, std::min<std::uint64_t>(available, info.totalram));
}

}  // namespace

std::optional<std::uint32_t> MemoryLoadFromMeminfo(std::string_view meminfo) {
    const auto total = FieldKilobytes(meminfo, "MemTotal");
    const auto available = FieldKilobytes(meminfo, "MemAvailable");
    if (!total || !available) return std::nullopt;
    return LoadOf(*total, *available);
}

LinuxMemoryStatus::LinuxMemoryStatus(std::string meminfoPath) : meminfoPath_(std::move(meminfoPath)) {}

std::optional<std::uint32_t> LinuxMemoryStatus::MemoryLoad() {
    if (const auto text = ReadSmallFile(meminfoPath_))
        if (const auto load = MemoryLoadFromMeminfo(*text)) return load;
    return LoadFromSysinfo();
}

}  // namespace zeltavor::linux_platform
