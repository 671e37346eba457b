#pragma once

#include <sys/statvfs.h>

#include <optional>

#include "runtime/platform.h"

namespace zeltavor::linux_platform {

// The file system's figures as a drive query reports them, in the user's
// terms as df shows them: one fragment is a cluster, the blocks available to
// the user are the free clusters, and the blocks reserved for root count
// neither as free nor as part of the drive. Nothing when the figures do not
// describe a disk.
std::optional<DiskGeometry> GeometryFromStatvfs(const struct statvfs& figures);

// Linux has no drive letters: "C:", the system drive, is the file system of
// "/". Being the only drive, it is always the current one: making it current
// leaves the program's working directory where it is.
class LinuxDrives final : public Drives {
public:
    bool MakeDriveCurrent(std::string_view drive) override;
    std::optional<DiskGeometry> CurrentDriveGeometry() override;
};

}  // namespace zeltavor::linux_platform
