#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "app/form_events.h"
#include "pictures.h"

namespace zeltavor::win32 {

// The real window for Form1: a borderless popup that turns its messages and
// timer ticks into calls of the model's event path, applies what changed and
// paints the model's view. It is also the desktop the model asks for its
// outline, its place on top and the like.
class GaugeWindow final : private Desktop, private ChangesTarget {
public:
    explicit GaugeWindow(Platform& platform);
    HWND handle() const { return handle_; }
    // Runs the model's start-up and shows the window.
    void Load();
    // The keys that open the options view or press the focused button; true
    // when the message was one of them.
    bool TranslateKey(const MSG& message);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK BoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Command(WPARAM wParam, LPARAM lParam);

    // Desktop
    void TopWindow() override;
    void SetWindowRgn(const RoundRectRegion& region) override;
    bool ClearClipboard() override;
    void ShowMessage(std::string_view text) override;
    RunningExecutable Executable() override;

    // ChangesTarget
    void RunTimer(int timer, const TimerOrder& order) override;
    [[noreturn]] void Report(const ErrorReport& error) override;
    void End() override { DestroyWindow(handle_); }
    void Place(const PixelRect& place) override;
    void FollowPanel() override;
    void Repaint() override { InvalidateRect(handle_, nullptr, FALSE); }
    void ShowCursor(MousePointer pointer) override { SetCursor(cursor_ = CursorOf(pointer)); }
    void AnnounceReading() override {}  // no screen reader interface here yet

    void AddPanelControls();
    void Apply(const Changes& changes) { ApplyChanges(changes, *this); }

    FormEvents events_;
    HWND handle_ = nullptr;
    std::array<HWND, kPanelControlsInFocusOrder.size()> panel_{};  // in focus order
    WNDPROC editProc_ = nullptr;
    HCURSOR cursor_ = nullptr;
    bool syncing_ = false;         // the panel is set from the view: its change notices are not the user's
    bool reportingError_ = false;  // the box of a runtime error is open
    bool sessionEnding_ = false;   // a logoff: errors go to standard error only
};

}  // namespace zeltavor::win32
