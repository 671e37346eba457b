#include "drives.h"

#include <unistd.h>

namespace zeltavor::linux_platform {

DiskGeometry GeometryFromStatvfs(const struct statvfs& figures) {
    DiskGeometry geometry;
    geometry.sectorsPerCluster = 1;
    geometry.bytesPerSector = figures.f_frsize;
    geometry.freeClusters = figures.f_bavail;
    geometry.totalClusters = figures.f_blocks;
    return geometry;
}

LinuxDrives::LinuxDrives(std::string systemRoot) : systemRoot_(std::move(systemRoot)) {}

bool LinuxDrives::MakeDriveCurrent(std::string_view drive) {
    if (drive != "C:" && drive != "c:") return false;
    return ::chdir(systemRoot_.c_str()) == 0;
}

std::optional<DiskGeometry> LinuxDrives::CurrentDriveGeometry() {
    struct statvfs figures {};
    if (::statvfs(".", &figures) != 0 || figures.f_frsize == 0 || figures.f_blocks == 0) return std::nullopt;
    return GeometryFromStatvfs(figures);
}

}  // namespace zeltavor::linux_platform
