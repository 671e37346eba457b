#include <cmath>

#include "model/form1.h"
#include "model/settings_names.h"

namespace zeltavor {

using namespace settings_names;

namespace {

// A hand-edited count must not put the window beyond any screen.
bool UsableMonitorCount(double count) { return count >= 0; }

// A position so far out that a drag from it would leave the 32-bit range is
// no place the window was ever left at.
bool UsablePosition(double twips) { return std::fabs(twips) <= 1e9; }

}  // namespace

void Form1::Load() {
    lblHDRAM.Caption = GetSetting(kSource, kMemorySource);
    if (lblHDRAM.Caption == kMemorySource) {
        imgDot0.Visible = true;
        ImgDot1.Visible = false;
    }
    if (lblHDRAM.Caption == kDiskSource) {
        imgDot0.Visible = false;
        ImgDot1.Visible = true;
    }
    Monis.Text = GetSettingIf(kMonitors, "1", UsableMonitorCount);
    if (TextToDouble(Monis.Text, platform_.locale) > 2) Monis.Text = "2";
    txtHeight.Text = GetSetting(kSize, "1200");
    if (!IsNumber(txtHeight.Text, platform_.locale)) txtHeight.Text = kDesignSizeText;
    LimitSize();
    BackgroundPicture = Picture::DialFace;
    Top = ToSingle(TextToDouble(GetSettingIf(kTop, "1000", UsablePosition), platform_.locale));
    Left = ToSingle(TextToDouble(GetSettingIf(kLeft, "1000", UsablePosition), platform_.locale));
    if (Top < 0) Top = 100;
    const float rightLimit =
        ToSingle(platform_.screen.MonitorsWidth(TextToDouble(Monis.Text, platform_.locale)) - 1200);
    if (rightLimit < Left) Left = rightLimit;
    SetWidth(ToSingle(TextToDouble(txtHeight.Text, platform_.locale)));
    SetHeight(ToSingle(TextToDouble(txtHeight.Text, platform_.locale)));
    Rund();
    Percent = 0;
    SweepCount = 0;
    PositionElemente();
    CenterRaiseAndSweep();
}

// The pivot in the middle of the window, the window on top, a new sweep.
void Form1::CenterRaiseAndSweep() {
    CenterPivot();
    TopWindow();
    StartSweep();
}

void Form1::CenterPivot() {
    CenterX = CenterY = ScaleHeight() / 2;
    SecZ.X1 = CenterX;
    SecZ.Y1 = CenterY;
}

void Form1::TopWindow() { desktop_.TopWindow(); }

}  // namespace zeltavor
