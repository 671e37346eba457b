#pragma once

#include <sys/statvfs.h>

#include <string>

#include "app/platform.h"

namespace zeltavor::linux_platform {

// The file system's figures as a drive query reports them: one fragment is a
// cluster, the blocks available to the user are the free clusters.
DiskGeometry GeometryFromStatvfs(const struct statvfs& figures);

// Linux has no drive letters: "C:", the system drive, is the file system of
// "/", and making it current changes to that root.
class LinuxDrives final : public Drives {
public:
    explicit LinuxDrives(std::string systemRoot = "/");
    bool MakeDriveCurrent(std::string_view drive) override;
    std::optional<DiskGeometry> CurrentDriveGeometry() override;

private:
    std::string systemRoot_;
};

}  // namespace zeltavor::linux_platform
