#include "model/form1.h"
#include "model/settings_names.h"

namespace zeltavor {

void Form1::imgDot0_Click() { SwitchSource(imgDot0, ImgDot1, kDiskSource); }

void Form1::ImgDot1_Click() { SwitchSource(ImgDot1, imgDot0, kMemorySource); }

// The choice is saved at once, so it survives even an options view that is
// never closed with "weiter".
void Form1::SwitchSource(Image& hide, Image& show, const char* caption) {
    hide.Visible = false;
    show.Visible = true;
    lblHDRAM.Caption = caption;
    SaveSetting(settings_names::kSource, lblHDRAM.Caption);
    RestartReading();
}

}  // namespace zeltavor
