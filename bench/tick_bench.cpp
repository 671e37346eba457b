// Time of one tick through the core with the real Linux sampler, for each
// source, the F12 query included (as in the running gauge, key events are
// read when they arrive, not by the query).

#include <benchmark/benchmark.h>

#include "app/form1.h"
#include "drives.h"
#include "fakes.h"
#include "key_state.h"
#include "memory_status.h"

namespace {

using namespace zeltavor;

// The window on the real sampler, started with the given source.
struct RealGauge {
    testing::FakeScreen screen;
    testing::FakeSettings settings;
    testing::FakeAutostart autostart;
    testing::FakeDesktop desktop;
    linux_platform::LinuxMemoryStatus memory;
    linux_platform::LinuxDrives drives;
    linux_platform::X11KeyState keys;
    Platform platform{screen, memory, drives, keys, settings, autostart, {"."}};
    Form1 form{platform, desktop};

    explicit RealGauge(const char* caption) {
        settings.Put("lblHDRAM.Caption", caption);
        form.Load();
    }
};

void RefreshTick(benchmark::State& state, const char* caption) {
    RealGauge gauge(caption);
    while (gauge.form.Timer2.Enabled()) gauge.form.Timer2_Timer();
    for (auto _ : state) gauge.form.Timer1_Timer();
}

// One tick of the start-up sweep (every 30 ms while it runs), restarted
// whenever it has reached the reading.
void SweepTick(benchmark::State& state, const char* caption) {
    RealGauge gauge(caption);
    for (auto _ : state) {
        if (!gauge.form.Timer2.Enabled()) gauge.form.cmd_weiter_Click();
        gauge.form.Timer2_Timer();
    }
}

BENCHMARK_CAPTURE(RefreshTick, memory, "RAM")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RefreshTick, disk, "HD")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SweepTick, memory, "RAM")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SweepTick, disk, "HD")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
