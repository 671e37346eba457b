#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/controls.h"
#include "runtime/pixel_grid.h"
#include "runtime/platform.h"

namespace zeltavor {

// The one window of the program: its controls, its seven state variables and
// its handlers. The handlers live in the files of their subsystems.
class Form1 {
public:
    Form1(Platform& platform, Desktop& desktop);

    // --- window properties (twips) ---
    const std::string Caption = "Zeltavor";
    const Rgb BackColor{192, 192, 192};
    Picture BackgroundPicture = Picture::None;
    float Left = 0;
    float Top = 0;
    bool Unloaded = false;  // set by Unload; the front-end then ends the program
    // The outline Rund or Eckig gave last, in the window's pixels; none yet.
    std::optional<RoundRectRegion> Outline;
    // What the handlers have to say in modal boxes, one after the other: the
    // boxes open once the handler has returned, so that no event enters a
    // handler while its box waits for the click.
    std::vector<std::string> Messages;
    float Width() const { return width_; }
    float Height() const { return height_; }
    float ScaleHeight() const { return height_; }  // no border: client = outer size
    // Snap to whole pixels; a change runs Resize before the assignment returns.
    void SetWidth(float twips);
    void SetHeight(float twips);

    // --- controls on the window, front to back ---
    Frame Frame1;
    Label lblHDRAM;
    Image imgDot0;
    Image ImgDot1;
    Image ImgMitte;
    Label MEMTOP;
    Label MEMLeft;
    Label lbl_MEM;
    Line SecZ;  // the needle, drawn behind everything else

    // --- controls inside Frame1, front to back ---
    Button cmd_clear;
    Button cmd_aus;
    Button cmd_auto;
    TextBox Monis;
    Button cmd_weiter;
    Timer Timer2;
    Timer Timer1;
    TextBox txtHeight;
    std::map<int, Label> Label4;  // members 0, 1 and 3
    Image cmd_EXIT;
    Label Label3;

    // --- state ---
    float CenterX = 0;
    float CenterY = 0;
    float NeedleLen = 0;
    std::int32_t DragX = 0;
    std::int32_t DragY = 0;
    double Percent = 0;
    std::int16_t SweepCount = 0;

    // --- start-up and shut-down ---
    void Load();
    void Unload();
    void cmd_EXIT_Click();
    void TopWindow();

    // --- gauge ---
    void MemoryCheck();
    void Drehen(const double& dPos);
    void Timer1_Timer();
    void Timer2_Timer();

    // --- shape, layout, mouse ---
    void Eckig();
    // The outline Rund or Eckig gave last, again for the window's new density.
    void ReshapeForDensity();
    void Resize();
    void PositionElemente();
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp();
    void DblClick();
    void DisplayChanged();

    // --- options ---
    void cmd_weiter_Click();
    void txtHeight_KeyPress(std::int16_t& KeyAscii);
    void Monis_KeyPress(std::int16_t& KeyAscii);
    void imgDot0_Click();
    void ImgDot1_Click();
    void cmd_clear_Click();
    void cmd_auto_Click();
    void cmd_aus_Click();
    bool SetAutoRun(const std::string& sDescr, const std::string& sPath);
    bool RemoveAutoRun(const std::string& sDescr);

    const Platform& platform() const { return platform_; }
    // Twips and pixels at the density of the monitor the window stands on.
    PixelGrid Grid() const { return PixelGrid::Of(platform_.screen); }

private:
    void Rund();
    void SetOutline(int ellipseAt96);
    void MsgBox(std::string_view text) { Messages.emplace_back(text); }
    std::string GetSetting(const char* key, const char* defaultText);
    std::string GetSettingIf(const char* key, const char* defaultText, bool (*usable)(double));
    void SaveSetting(const char* key, const std::string& value);
    double MonitorCount() const;
    void PullInsideMonitors();
    void KeepOnItsMonitor();
    void DiskCheck();
    void ShowNoReading();
    void SampleSource();
    void StartSweep();
    void CenterPivot();
    void CenterRaiseAndSweep();
    void RestartReading();
    void SaveOptions();
    void LimitSize();
    void SwitchSource(Image& hide, Image& show, const char* caption);

    Platform& platform_;
    Desktop& desktop_;
    float width_ = 0;
    float height_ = 0;
    int outlineEllipseAt96_ = -1;  // none yet
};

// The instrument's size its layout is drawn for, in twips: 148 pixels at 96
// dots per inch. Other sizes scale from it.
inline constexpr float kDesignSize = 2220;
inline constexpr const char* kDesignSizeText = "2220";
// The source captions: "RAM" reads the memory, any other the disk.
inline constexpr const char* kMemorySource = "RAM";
inline constexpr const char* kDiskSource = "HD";
// The timers' intervals in milliseconds: the reading's refresh and a sweep step.
inline constexpr int kRefreshInterval = 100, kSweepInterval = 30;
// The key code a key filter lets through besides digits.
inline constexpr std::int16_t kBackspace = 8;

// The credit line the options panel shows until the clean-up reports.
inline constexpr const char* kCreditLine = "K.Duvenrath 01.06.2010";
inline constexpr Rgb kCreditColour{128, 128, 128};

// The scale: percentage to needle position in dial steps.
double ScalePosition(double percent);
// Readings above 60 % take less of the dial.
double Compress(double percent);

}  // namespace zeltavor
