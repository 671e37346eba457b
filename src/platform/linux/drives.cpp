#include "drives.h"

namespace zeltavor::linux_platform {

std::optional<DiskGeometry> GeometryFromStatvfs(const struct statvfs& figures) {
    if (figures.f_frsize == 0 || figures.f_bavail > figures.f_bfree || figures.f_bfree > figures.f_blocks)
        return std::nullopt;
    const fsblkcnt_t reserved = figures.f_bfree - figures.f_bavail;
    if (figures.f_blocks == reserved) return std::nullopt;
    DiskGeometry geometry;
    geometry.sectorsPerCluster = 1;
    geometry.bytesPerSector = figures.f_frsize;
    geometry.freeClusters = figures.f_bavail;
    geometry.totalClusters = figures.f_blocks - reserved;
    return geometry;
}

bool LinuxDrives::MakeDriveCurrent(std::string_view drive) { return drive == "C:" || drive == "c:"; }

std::optional<DiskGeometry> LinuxDrives::CurrentDriveGeometry() {
    struct statvfs figures {};
    if (::statvfs("/", &figures) != 0) return std::nullopt;
    return GeometryFromStatvfs(figures);
}

}  // namespace zeltavor::linux_platform
