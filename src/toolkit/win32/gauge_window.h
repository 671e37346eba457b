#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "app/form_events.h"
#include "options_panel.h"

namespace zeltavor::win32 {

// The real window for Form1: a borderless popup that hands its messages and
// timer ticks to the model's event path and applies what changed. It is also
// the desktop the model asks for its outline, its place on top and the like.
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

    void Apply(const Changes& changes);
    [[noreturn]] void Fail(const RuntimeError& error);
    void Follow(const std::optional<TimerOrder>& order, UINT_PTR id);
    void Paint();
    const Form1& form() const { return events_.form(); }

    FormEvents events_;
    HWND handle_ = nullptr;
    std::unique_ptr<OptionsPanel> panel_;
    bool reportingError_ = false;  // the box of a runtime error is open
    bool sessionEnding_ = false;   // a logoff: errors go to standard error only
};

}  // namespace zeltavor::win32
