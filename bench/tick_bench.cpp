// Time of one tick through the event path with the real Linux sampler, for
// each source: the handler, the F12 query (as in the running gauge, key
// events are read when they arrive, not by the query), and the view built
// and compared with the last.

#include <benchmark/benchmark.h>

#include "frontend/form_events.h"
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
    FormEvents events{platform, desktop};

    explicit RealGauge(const char* caption) {
        settings.Put("lblHDRAM.Caption", caption);
        events.Load();
    }
};

void RefreshTick(benchmark::State& state, const char* caption) {
    RealGauge gauge(caption);
    while (gauge.events.form().Timer2.Enabled()) gauge.events.Timer2Fired();
    for (auto _ : state) benchmark::DoNotOptimize(gauge.events.Timer1Fired());
}

// One tick of the start-up sweep (every 30 ms while it runs), restarted
// whenever it has reached the reading.
void SweepTick(benchmark::State& state, const char* caption) {
    RealGauge gauge(caption);
    for (auto _ : state) {
        if (!gauge.events.form().Timer2.Enabled()) gauge.events.Click(PanelControlId::cmd_weiter);
        benchmark::DoNotOptimize(gauge.events.Timer2Fired());
    }
}

BENCHMARK_CAPTURE(RefreshTick, memory, "RAM")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RefreshTick, disk, "HD")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SweepTick, memory, "RAM")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SweepTick, disk, "HD")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
