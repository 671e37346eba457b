#include "model/form1.h"

namespace zeltavor {

namespace {
constexpr std::int16_t kPressedSinceLastQuery = 0x0001;
}

// The window is always shown, so F12 only moves it. A press since the last
// tick counts, held or already released (a quick tap, an on-screen
// keyboard); a key held over several ticks counts once.
void Form1::Timer1_Timer() {
    if (platform_.keys.GetAsyncKeyState(VK_F12) & kPressedSinceLastQuery) {
        Left = ToSingle(platform_.screen.Width() - static_cast<double>(Width()) * 1.05);
        Top = 0;
    }
    SampleSource();
    Percent = Compress(Percent);
    Drehen(ScalePosition(Percent));
}

void Form1::Timer2_Timer() {
    SampleSource();
    SweepCount = RoundToInt16(SweepCount + 1.0);
    if (SweepCount >= Percent) {
        Timer2.SetEnabled(false);
        Timer1.SetEnabled(true);
        return;
    }
    // The sweep maps its counter without compression, one turn back.
    Drehen(ScalePosition(SweepCount - 100));
}

// Only exactly "RAM" selects the memory; any other caption measures the disk.
void Form1::SampleSource() {
    if (lblHDRAM.Caption == kMemorySource)
        MemoryCheck();
    else
        DiskCheck();
}

void Form1::StartSweep() {
    Timer1.SetEnabled(false);
    Timer1.SetInterval(kRefreshInterval);
    Timer2.SetInterval(kSweepInterval);
    Timer2.SetEnabled(true);
}

}  // namespace zeltavor
