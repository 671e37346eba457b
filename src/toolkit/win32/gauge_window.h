#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "app/form1.h"
#include "app/scene.h"
#include "options_panel.h"

namespace zeltavor::win32 {

struct TwipPoint {
    float x = 0, y = 0;
};

// The real window for Form1: a borderless popup that delivers messages and
// timer ticks to the model and applies what changed. It is also the desktop
// the model asks for its outline, its place on top and the like.
class GaugeWindow final : private Desktop {
public:
    explicit GaugeWindow(Platform& platform);
    HWND handle() const { return handle_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    // Desktop
    void TopWindow() override;
    void SetWindowRgn(const RoundRectRegion& region) override;
    void ClearClipboard() override;
    void ShowMessage(std::string_view text) override;
    RunningExecutable Executable() override;

    // Runs one handler at the event boundary: an error is reported and ends
    // the program; otherwise the model's changes reach the real window.
    void Dispatch(const std::function<void()>& handler);
    void ApplyModel();
    void SyncTimer(const Timer& model, UINT_PTR id, unsigned& generation);
    RECT PixelGeometry() const;
    TwipPoint ToTwips(LPARAM lParam) const;
    void OnButtonDown(int button, LPARAM lParam);
    void OnButtonUp(int button, LPARAM lParam);
    void Paint();

    Form1 form_;
    HWND handle_ = nullptr;
    std::unique_ptr<OptionsPanel> panel_;
    unsigned timer1Generation_ = 0, timer2Generation_ = 0;
    std::optional<Scene> shown_;
    Image* pressedDot_ = nullptr;
    bool doubleClickOnDot_ = false;
    bool shown_once_ = false;
    bool reportingError_ = false;  // the box of a runtime error is open
    bool sessionEnding_ = false;   // a logoff: errors go to standard error only
};

}  // namespace zeltavor::win32
