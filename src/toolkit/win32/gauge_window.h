#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "frontend/form_events.h"
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
    // The keys the core acts on; true when the message was one of them.
    bool TranslateKey(const MSG& message);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK BoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Command(WPARAM wParam, LPARAM lParam);

    // Desktop
    void TopWindow() override;
    bool ClearClipboard() override;
    RunningExecutable Executable() override;

    // ChangesTarget
    void RunTimer(int timer, const TimerOrder& order) override;
    void End(int status) override;
    void Place(const PixelRect& place) override;
    void ShapeWindow(const RoundRectRegion& outline) override;
    void FollowPanel() override;
    void Repaint() override { InvalidateRect(handle_, nullptr, FALSE); }
    void ShowCursor(MousePointer pointer) override { SetCursor(cursor_ = CursorOf(pointer)); }
    void TakeFocus(const Focus& focus) override;
    void ShowMessage(std::string_view text) override;

    void AddPanelControls();
    std::optional<PanelControlId> Focused() const;
    void Typed(HWND box, WPARAM& character, LPARAM lParam);
    void Apply(const Changes& changes) { ApplyChanges(changes, *this); }

    FormEvents events_;
    HWND handle_ = nullptr;
    std::array<HWND, kPanelControlsInFocusOrder.size()> panel_{};  // in focus order
    WNDPROC editProc_ = nullptr;
    HCURSOR cursor_ = nullptr;
    WPARAM takenKey_ = 0;          // a key the core took: its release goes nowhere
};

}  // namespace zeltavor::win32
