// Time of one refresh tick through the core with the real Linux sampler, for
// each source, the F12 query included (with $DISPLAY set it reads the X
// server's key events as the running gauge does).

#include <benchmark/benchmark.h>

#include <string>

#include "app/form1.h"
#include "drives.h"
#include "fakes.h"
#include "key_state.h"
#include "memory_status.h"

namespace {

using namespace zeltavor;

void RefreshTick(benchmark::State& state, const char* caption) {
    testing::FakeScreen screen;
    testing::FakeSettings settings;
    testing::FakeAutostart autostart;
    testing::FakeDesktop desktop;
    linux_platform::LinuxMemoryStatus memory;
    linux_platform::LinuxDrives drives;
    linux_platform::X11KeyState keys;
    Platform platform{screen, memory, drives, keys, settings, autostart, {"."}};
    Form1 form(platform, desktop);
    form.lblHDRAM.Caption = caption;
    form.Load();
    while (form.Timer2.Enabled()) form.Timer2_Timer();
    for (auto _ : state) {
        form.Timer1_Timer();
        benchmark::DoNotOptimize(form.SecZ);
    }
}

BENCHMARK_CAPTURE(RefreshTick, memory, "RAM")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RefreshTick, disk, "HD")->Unit(benchmark::kMicrosecond);

// One tick of the start-up sweep (every 30 ms while it runs), restarted
// whenever it has reached the reading.
void SweepTick(benchmark::State& state, const char* caption) {
    testing::FakeScreen screen;
    testing::FakeSettings settings;
    testing::FakeAutostart autostart;
    testing::FakeDesktop desktop;
    linux_platform::LinuxMemoryStatus memory;
    linux_platform::LinuxDrives drives;
    linux_platform::X11KeyState keys;
    Platform platform{screen, memory, drives, keys, settings, autostart, {"."}};
    Form1 form(platform, desktop);
    form.Load();
    if (std::string(caption) != form.lblHDRAM.Caption) form.imgDot0_Click();
    for (auto _ : state) {
        if (!form.Timer2.Enabled()) form.cmd_weiter_Click();
        form.Timer2_Timer();
    }
}

BENCHMARK_CAPTURE(SweepTick, memory, "RAM")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SweepTick, disk, "HD")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
