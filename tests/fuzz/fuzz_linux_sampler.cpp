// Arbitrary /proc/meminfo text and file-system figures: a load of 0 to 100
// or none, and a disk reading of 0 to 100 % or the no-reading caption.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "drives.h"
#include "fakes.h"
#include "memory_status.h"

using namespace zeltavor;
using namespace zeltavor::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    struct statvfs figures {};
    figures.f_frsize = input.ConsumeIntegral<unsigned long>();
    figures.f_blocks = input.ConsumeIntegral<fsblkcnt_t>();
    figures.f_bfree = input.ConsumeIntegral<fsblkcnt_t>();
    figures.f_bavail = input.ConsumeIntegral<fsblkcnt_t>();
    const std::string meminfo = input.ConsumeRemainingBytesAsString();

    const auto load = linux_platform::MemoryLoadFromMeminfo(meminfo);
    if (load && *load > 100) std::abort();

    FormFixture f;
    f.drives.geometry = linux_platform::GeometryFromStatvfs(figures);
    f.form.lblHDRAM.Caption = "HD";
    f.form.Timer2_Timer();
    const bool reading = f.form.lbl_MEM.Caption != "– %";
    if (reading && !(f.form.Percent >= 0 && f.form.Percent <= 100)) std::abort();
    return 0;
}
