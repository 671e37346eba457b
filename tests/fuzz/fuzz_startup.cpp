// Arbitrary stored values, then a little of everything a user does: start-up
// must end with its corrections or the defaults, and nothing may raise.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "fakes.h"

using namespace zeltavor;
using namespace zeltavor::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FormFixture f;
    for (const char* key : {"lblHDRAM.Caption", "Monis", "txtHeight", "MEMTOP", "MEMLeft"})
        if (input.ConsumeBool()) f.settings.Put(key, input.ConsumeRandomLengthString(40));
    f.platform.locale = {input.ConsumeBool() ? "," : "."};
    f.form.Load();

    const double instrument = TextToDouble(f.form.txtHeight.Text, f.platform.locale);
    if (instrument < 800 || instrument > 2500 || TextToDouble(f.form.Monis.Text, f.platform.locale) > 2) std::abort();

    RunSweep(f.form);
    f.form.Timer1_Timer();
    const float x = input.ConsumeFloatingPointInRange<float>(-5000, 5000);
    const float y = input.ConsumeFloatingPointInRange<float>(-5000, 5000);
    f.form.MouseDown(input.ConsumeIntegralInRange(1, 4), 0, x, y);
    f.form.MouseMove(1, 0, y, x);
    f.form.MouseUp();
    f.form.DblClick();
    f.form.MouseDown(2, 0, x, y);
    f.form.cmd_weiter_Click();
    f.form.Unload();
    return 0;
}
