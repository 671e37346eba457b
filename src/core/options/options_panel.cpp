#include "model/form1.h"

namespace zeltavor {

namespace {

// Digits and backspace pass; everything else, the decimal separators
// included, is discarded: both boxes hold whole numbers only.
void DigitsOnly(std::int16_t& KeyAscii) {
    const bool digit = KeyAscii >= '0' && KeyAscii <= '9';
    if (!digit && KeyAscii != kBackspace) KeyAscii = 0;
}

}  // namespace

void Form1::txtHeight_KeyPress(std::int16_t& KeyAscii) { DigitsOnly(KeyAscii); }

void Form1::Monis_KeyPress(std::int16_t& KeyAscii) { DigitsOnly(KeyAscii); }

void Form1::LimitSize() {
    if (TextToDouble(txtHeight.Text, platform_.locale) < 800) txtHeight.Text = "800";
    if (TextToDouble(txtHeight.Text, platform_.locale) > 2500) txtHeight.Text = "2500";
}

// Corrects the size, saves the options and turns the window back into the
// round instrument with a fresh sweep.
void Form1::cmd_weiter_Click() {
    if (txtHeight.Text.empty()) txtHeight.Text = "1000";
    LimitSize();
    SaveOptions();
    BackgroundPicture = Picture::DialFace;
    SetHeight(ToSingle(TextToDouble(txtHeight.Text, platform_.locale)));
    SetWidth(ToSingle(TextToDouble(txtHeight.Text, platform_.locale)));
    Rund();
    RestartReading();
}

// The needle back at 0 %, the dial elements in place, and a new sweep.
void Form1::RestartReading() {
    Percent = 0;
    SweepCount = 0;
    Drehen(ScalePosition(0));
    PositionElemente();
    ImgMitte.Visible = true;
    CenterRaiseAndSweep();
}

}  // namespace zeltavor
