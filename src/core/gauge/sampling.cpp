#include "model/form1.h"
#include "gauge/module1.h"

namespace zeltavor {

void Form1::MemoryCheck() {
    const auto load = platform_.memory.MemoryLoad();
    if (!load) return ShowNoReading();
    Percent = *load;
    lbl_MEM.Caption = FormatWholeDigits(*load) + " %";
}

void Form1::DiskCheck() {
    const auto total = Module1::DiskTotalSpace(platform_.drives, "C:", true);
    const auto free = Module1::DiskFreeSpace(platform_.drives, "C:", true);
    // A failed query, or figures no disk can have (more free than there is).
    if (!total || !free || total->scaled() <= 0 || free->scaled() > total->scaled()) return ShowNoReading();
    Percent = (*total - *free).ToDouble() / total->ToDouble() * 100;
    lbl_MEM.Caption = FormatTenths(Percent, platform_.locale) + " %";
}

// A failed query shows no number and rests the needle at the start of the
// scale; the next tick asks again.
void Form1::ShowNoReading() {
    Percent = 0;
    lbl_MEM.Caption = "– %";
}

}  // namespace zeltavor
