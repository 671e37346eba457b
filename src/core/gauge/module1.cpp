#include "gauge/module1.h"

#include "runtime/errors.h"

namespace zeltavor::Module1 {

namespace {

enum class Count { Free, Total };

std::optional<Currency> DriveSpace(Drives& drives, std::string_view sDrive, bool bInGB, Count count) {
    if (!drives.MakeDriveCurrent(sDrive.substr(0, 2))) return std::nullopt;
    const auto geometry = drives.CurrentDriveGeometry();
    if (!geometry) return std::nullopt;
    std::uint64_t bytesPerCluster = 0;
    if (__builtin_mul_overflow(geometry->bytesPerSector, geometry->sectorsPerCluster, &bytesPerCluster))
        return std::nullopt;
    try {
        // The cluster size is rounded to four decimals before it is multiplied,
        // so every amount is slightly off the exact one, as the figures always were.
        const Currency mbPerCluster = Currency::FromDouble(static_cast<double>(bytesPerCluster) / 1048576.0);
        Currency amount =
            mbPerCluster.TimesCount(count == Count::Free ? geometry->freeClusters : geometry->totalClusters);
        if (bInGB) amount = Currency::FromDouble(amount.ToDouble() / 1024);
        return amount;
    } catch (const RuntimeError&) {
        return std::nullopt;  // beyond the fixed-point range: no figure rather than a wrong one
    }
}

}  // namespace

std::optional<Currency> DiskFreeSpace(Drives& drives, std::string_view sDrive, bool bInGB) {
    return DriveSpace(drives, sDrive, bInGB, Count::Free);
}

std::optional<Currency> DiskTotalSpace(Drives& drives, std::string_view sDrive, bool bInGB) {
    return DriveSpace(drives, sDrive, bInGB, Count::Total);
}

}  // namespace zeltavor::Module1
