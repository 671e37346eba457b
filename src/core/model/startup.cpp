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
    lblHDRAM.Caption = GetSetting(kSource, "RAM");
    if (lblHDRAM.Caption == "RAM") {
        imgDot0.Visible = true;
        ImgDot1.Visible = false;
    }
    if (lblHDRAM.Caption == "HD") {
        imgDot0.Visible = false;
        ImgDot1.Visible = true;
    }
    Monis.Text = GetSettingIf(kMonitors, "1", UsableMonitorCount);
    if (TextToDouble(Monis.Text, platform_.locale) > 2) Monis.Text = "2";
    txtHeight.Text = GetSetting(kSize, "1200");
    if (!IsNumber(txtHeight.Text, platform_.locale)) txtHeight.Text = "2220";
    LimitSize();
    BackgroundPicture = Image2.Content;
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

// The position is not saved here: every mouse button release saves it.
void Form1::Unload() {
    SaveOptions();
    Unloaded = true;
}

void Form1::SaveOptions() {
    SaveSetting(kSize, txtHeight.Text);
    SaveSetting(kMonitors, Monis.Text);
    SaveSetting(kSource, lblHDRAM.Caption);
}

void Form1::LimitSize() {
    if (TextToDouble(txtHeight.Text, platform_.locale) < 800) txtHeight.Text = "800";
    if (TextToDouble(txtHeight.Text, platform_.locale) > 2500) txtHeight.Text = "2500";
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

void Form1::cmd_EXIT_Click() { Unload(); }

void Form1::TopWindow() { desktop_.TopWindow(); }

std::string Form1::GetSetting(const char* key, const char* defaultText) {
    return platform_.settings.Read(kApplication, kSection, key).value_or(defaultText);
}

// A stored value that is not a number, or not a usable one, counts as missing.
std::string Form1::GetSettingIf(const char* key, const char* defaultText, bool (*usable)(double)) {
    std::string text = GetSetting(key, defaultText);
    const auto value = ParseNumber(text, platform_.locale);
    return value && usable(*value) ? text : defaultText;
}

void Form1::SaveSetting(const char* key, const std::string& value) {
    platform_.settings.Write(kApplication, kSection, key, value);
}

}  // namespace zeltavor
