#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/platform.h"

namespace zeltavor::linux_platform {

// The memory load as 100 x (MemTotal - MemAvailable) / MemTotal, rounded.
// Kernels without MemAvailable get free's estimate of it: free memory,
// buffers, page cache and reclaimable slab, less shared memory. Nothing when
// the text lacks the figures or they make no sense.
std::optional<std::uint32_t> MemoryLoadFromMeminfo(std::string_view meminfo);

class LinuxMemoryStatus final : public MemoryStatus {
public:
    explicit LinuxMemoryStatus(std::string meminfoPath = "/proc/meminfo");
    ~LinuxMemoryStatus() override;
    LinuxMemoryStatus(const LinuxMemoryStatus&) = delete;
    LinuxMemoryStatus& operator=(const LinuxMemoryStatus&) = delete;

    // Nothing when the file cannot be read or understood.
    std::optional<std::uint32_t> MemoryLoad() override;

private:
    std::optional<std::string_view> ReadMeminfo();

    std::string meminfoPath_;
    int file_ = -1;
    std::vector<char> buffer_ = std::vector<char>(4096);  // grows when the text does not fit
};

}  // namespace zeltavor::linux_platform
