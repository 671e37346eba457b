#pragma once

#include <optional>
#include <string_view>

#include "runtime/conversions.h"
#include "runtime/platform.h"

// Free space and total size of a drive in MB or GB, four decimal places.
namespace zeltavor::Module1 {

// Nothing when the drive cannot be made current or the query fails, so that a
// failure is never mistaken for an empty or a full disk.
std::optional<Currency> DiskFreeSpace(Drives& drives, std::string_view sDrive, bool bInGB);
std::optional<Currency> DiskTotalSpace(Drives& drives, std::string_view sDrive, bool bInGB);

}  // namespace zeltavor::Module1
