#include "memory_status.h"

#include <fcntl.h>
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

// What free(1) counts as available where the kernel does not say.
std::optional<std::uint64_t> EstimatedAvailable(std::string_view meminfo) {
    std::uint64_t available = 0;
    for (const std::string_view key : {"MemFree", "Buffers", "Cached", "SReclaimable"}) {
        const auto field = FieldKilobytes(meminfo, key);
        if (!field || __builtin_add_overflow(available, *field, &available)) return std::nullopt;
    }
    const auto shared = FieldKilobytes(meminfo, "Shmem");
    if (!shared) return std::nullopt;
    return available - std::min(available, *shared);
}

}  // namespace

std::optional<std::uint32_t> MemoryLoadFromMeminfo(std::string_view meminfo) {
    const auto total = FieldKilobytes(meminfo, "MemTotal");
    auto available = FieldKilobytes(meminfo, "MemAvailable");
    if (!available) available = EstimatedAvailable(meminfo);
    if (!total || !available) return std::nullopt;
    return LoadOf(*total, *available);
}

LinuxMemoryStatus::LinuxMemoryStatus(std::string meminfoPath) : meminfoPath_(std::move(meminfoPath)) {}

LinuxMemoryStatus::~LinuxMemoryStatus() {
    if (file_ >= 0) ::close(file_);
}

std::optional<std::uint32_t> LinuxMemoryStatus::MemoryLoad() {
    const auto text = ReadMeminfo();
    if (!text) return std::nullopt;
    return MemoryLoadFromMeminfo(*text);
}

// The file stays open: read again from its start it gives fresh figures, and
// the gauge spares an open and a close ten times a second. One read usually
// takes all of it; a read that does not fill the buffer has reached the end.
std::optional<std::string_view> LinuxMemoryStatus::ReadMeminfo() {
    if (file_ < 0) file_ = ::open(meminfoPath_.c_str(), O_RDONLY | O_CLOEXEC);
    if (file_ < 0) return std::nullopt;
    constexpr std::size_t limit = 1u << 20;
    std::size_t length = 0;
    for (;;) {
        const ssize_t got = ::pread(file_, buffer_.data() + length, buffer_.size() - length, static_cast<off_t>(length));
        if (got < 0) {
            // Open it again at the next reading; this one has no figure.
            ::close(file_);
            file_ = -1;
            return std::nullopt;
        }
        length += static_cast<std::size_t>(got);
        if (length < buffer_.size() || buffer_.size() >= limit) return std::string_view(buffer_.data(), length);
        buffer_.resize(2 * buffer_.size());
    }
}

}  // namespace zeltavor::linux_platform
