#include "model/form1.h"
#include "model/settings_names.h"

#include <algorithm>
#include <cmath>

namespace zeltavor {

namespace {
constexpr int kRightButton = 2;
constexpr std::int32_t kSnap = 50;  // twips from an edge that snap onto it
}  // namespace

void Form1::MouseDown(int Button, int /*Shift*/, float X, float Y) {
    DragX = RoundToInt32(X);
    DragY = RoundToInt32(Y);
    Label3.Caption = kCreditLine;
    Label3.ForeColor = kCreditColour;
    if (Button != kRightButton) return;

    // The options view: the dial at natural size with the panel beside it,
    // all of it on the monitor that holds the window.
    SetWidth(7000);
    SetHeight(kDesignSize);
    KeepOnItsMonitor();
    BackgroundPicture = Picture::DialFace;
    Eckig();
    NeedleLen = 800;
    CenterPivot();
    SweepCount = 0;
    PositionElemente();
    lbl_MEM.Left = 750;
    lbl_MEM.Top = 750;
    StartSweep();
}

// Keeps the grabbed point under the mouse; snaps to the left, top and bottom
// edges of the primary screen. The right is free while dragging.
void Form1::MouseMove(int Button, int /*Shift*/, float X, float Y) {
    if (Button <= 0) return;
    std::int32_t newLeft = RoundToInt32(static_cast<double>(Left) + X - DragX);
    if (newLeft < kSnap) newLeft = 0;
    Left = static_cast<float>(newLeft);
    std::int32_t newTop = RoundToInt32(static_cast<double>(Top) + Y - DragY);
    if (newTop < kSnap) newTop = 0;
    const double screenHeight = platform_.screen.Height();
    if (newTop > screenHeight - kSnap - Height()) newTop = RoundToInt32(screenHeight - Height());
    Top = static_cast<float>(newTop);
}

// Saves the position, then pulls a right edge beyond the monitors back; the
// correction reaches the store with the next release.
void Form1::MouseUp() {
    MEMTOP.Caption = SingleToText(Top, platform_.locale);
    MEMLeft.Caption = SingleToText(Left, platform_.locale);
    SaveSetting(settings_names::kTop, MEMTOP.Caption);
    SaveSetting(settings_names::kLeft, MEMLeft.Caption);
    PullInsideMonitors();
}

void Form1::PullInsideMonitors() {
    const double span = platform_.screen.MonitorsWidth(MonitorCount());
    if (span < static_cast<double>(Left) + Width()) Left = ToSingle(span - Width());
}

// A smaller screen (another resolution) would leave the window beyond it:
// it comes back as a release brings it back, and below the bottom edge too.
void Form1::DisplayChanged() {
    PullInsideMonitors();
    const double bottom = platform_.screen.Height();
    if (bottom < static_cast<double>(Top) + Height()) Top = ToSingle(std::max(0.0, bottom - Height()));
}

// Monitors stand side by side, each as wide as the primary. Where the window
// is wider than its monitor (a dense laptop screen), its left part shows: the
// dial with the source dot.
void Form1::KeepOnItsMonitor() {
    const double monitorWidth = platform_.screen.Width();
    const double monitorLeft = std::floor(Left / monitorWidth) * monitorWidth;
    if (Left + Width() > monitorLeft + monitorWidth) Left = ToSingle(monitorLeft + monitorWidth - Width());
    if (Left < monitorLeft) Left = ToSingle(monitorLeft);
}

void Form1::DblClick() { Left = ToSingle(platform_.screen.MonitorsWidth(MonitorCount()) - Width() - 10); }

// The monitors stand side by side, each as wide as the primary screen; a
// count that is not a number (an emptied box) counts as one monitor.
double Form1::MonitorCount() const { return ParseNumber(Monis.Text, platform_.locale).value_or(1); }

}  // namespace zeltavor
