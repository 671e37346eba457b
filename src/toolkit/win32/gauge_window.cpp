#include "gauge_window.h"

#include <windowsx.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "app/errors.h"
#include "control_painter.h"
#include "pictures.h"
#include "text.h"

namespace zeltavor::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"ZeltavorGauge";
constexpr UINT_PTR kTimer1 = 1, kTimer2 = 2;

// Mouse buttons as the handlers count them: 1 left, 2 right, 4 middle.
int ButtonsHeld(WPARAM keys) {
    return (keys & MK_LBUTTON ? 1 : 0) | (keys & MK_RBUTTON ? 2 : 0) | (keys & MK_MBUTTON ? 4 : 0);
}

int ToPixels(float twips, float twipsPerPixel) {
    const double pixels = std::nearbyint(twips / twipsPerPixel);
    return static_cast<int>(std::fmax(-32768.0, std::fmin(32767.0, pixels)));
}

}  // namespace

GaugeWindow::GaugeWindow(Platform& platform) : form_(platform, *this) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;  // the double-click moves the instrument
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = WindowIcon();
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
    const std::wstring caption = win32_platform::Utf8ToWide(form_.Caption);
    CreateWindowExW(0, kWindowClass, caption.c_str(), WS_POPUP | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                    static_cast<int>(form_.Width() / 15), static_cast<int>(form_.Height() / 15), nullptr, nullptr,
                    GetModuleHandleW(nullptr), this);
    panel_ = std::make_unique<OptionsPanel>(handle_, form_,
                                            [this](const std::function<void()>& handler) { Dispatch(handler); });
    Dispatch([this] { form_.Load(); });
    ShowWindow(handle_, SW_SHOW);
    SetFocus(panel_->FirstInFocusOrder());
}

LRESULT CALLBACK GaugeWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<GaugeWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
        window->handle_ = hwnd;
    }
    auto* window = reinterpret_cast<GaugeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return window ? window->Handle(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT GaugeWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kTimer1) Dispatch([this] { form_.Timer1_Timer(); });
            if (wParam == kTimer2) Dispatch([this] { form_.Timer2_Timer(); });
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SHOWWINDOW:
            if (wParam && !std::exchange(shown_once_, true))
                Dispatch([this] {
                    form_.Visible = true;
                    form_.Resize();
                });
            break;
        case WM_LBUTTONDOWN: OnButtonDown(1, lParam); return 0;
        case WM_RBUTTONDOWN: OnButtonDown(2, lParam); return 0;
        case WM_MBUTTONDOWN: OnButtonDown(4, lParam); return 0;
        case WM_LBUTTONUP: OnButtonUp(1, lParam); return 0;
        case WM_RBUTTONUP: OnButtonUp(2, lParam); return 0;
        case WM_MBUTTONUP: OnButtonUp(4, lParam); return 0;
        case WM_MOUSEMOVE:
            if (!pressedDot_) {
                const TwipPoint at = ToTwips(lParam);
                Dispatch([&] { form_.MouseMove(ButtonsHeld(wParam), 0, at.x, at.y); });
            }
            return 0;
        // Windows delivers a double-click as down, up, double-click, up.
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK: {
            // On a dot the first click has switched the source; the second does nothing.
            const TwipPoint at = ToTwips(lParam);
            pressedDot_ = form_.DotAt(at.x, at.y);
            doubleClickOnDot_ = pressedDot_ != nullptr;
            SetCapture(handle_);
            if (!pressedDot_) Dispatch([this] { form_.DblClick(); });
            return 0;
        }
        // A logoff: the options are saved as when the red cross is clicked,
        // yet nothing may wait for a click, not even a box that is open, and
        // the program ends here.
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (!wParam) return 0;
            if (reportingError_) ExitProcess(1);
            sessionEnding_ = true;
            if (!form_.Unloaded) Dispatch([this] { form_.Unload(); });
            ExitProcess(0);
        case WM_CLOSE:
            if (!form_.Unloaded) Dispatch([this] { form_.Unload(); });
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

void GaugeWindow::OnButtonDown(int button, LPARAM lParam) {
    SetCapture(handle_);
    const TwipPoint at = ToTwips(lParam);
    pressedDot_ = form_.DotAt(at.x, at.y);
    if (pressedDot_) return;  // a dot acts on release, as a click
    Dispatch([&] { form_.MouseDown(button, 0, at.x, at.y); });
}

void GaugeWindow::OnButtonUp(int button, LPARAM lParam) {
    ReleaseCapture();
    if (pressedDot_) {
        Image* dot = std::exchange(pressedDot_, nullptr);
        const TwipPoint at = ToTwips(lParam);
        if (!std::exchange(doubleClickOnDot_, false) && button == 1 && form_.DotAt(at.x, at.y) == dot)
            Dispatch([this, dot] { form_.DotClick(*dot); });
        return;
    }
    Dispatch([this] { form_.MouseUp(); });
}

void GaugeWindow::Dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        KillTimer(handle_, kTimer1);
        KillTimer(handle_, kTimer2);
        std::fprintf(stderr, "zeltavor: Laufzeitfehler %d: %s\n", error.number(), error.what());
        if (sessionEnding_) ExitProcess(1);  // nobody is there to read a box
        reportingError_ = true;
        const std::wstring text = L"Laufzeitfehler '" + std::to_wstring(error.number()) + L"':\n\n" +
                                  win32_platform::Utf8ToWide(error.what());
        MessageBoxW(handle_, text.c_str(), win32_platform::Utf8ToWide(form_.Caption).c_str(), MB_OK);
        ExitProcess(1);
    }
    ApplyModel();
}

RECT GaugeWindow::PixelGeometry() const {
    const auto& screen = form_.platform().screen;
    const int left = ToPixels(form_.Left, screen.TwipsPerPixelX()), top = ToPixels(form_.Top, screen.TwipsPerPixelY());
    return {left, top, left + ToPixels(form_.Width(), screen.TwipsPerPixelX()),
            top + ToPixels(form_.Height(), screen.TwipsPerPixelY())};
}

void GaugeWindow::ApplyModel() {
    if (form_.Unloaded) {
        DestroyWindow(handle_);
        return;
    }
    const RECT want = PixelGeometry();
    RECT have;
    GetWindowRect(handle_, &have);
    if (!EqualRect(&want, &have))
        SetWindowPos(handle_, nullptr, want.left, want.top, want.right - want.left, want.bottom - want.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    SyncTimer(form_.Timer1, kTimer1, timer1Generation_);
    SyncTimer(form_.Timer2, kTimer2, timer2Generation_);
    panel_->ApplyModel();
    Scene scene = SceneOf(form_);
    if (scene != shown_) {
        shown_ = std::move(scene);
        InvalidateRect(handle_, nullptr, FALSE);
        panel_->Invalidate();
    }
}

// Every assignment to a model timer restarts its countdown; SetTimer on the
// same id does just that.
void GaugeWindow::SyncTimer(const Timer& model, UINT_PTR id, unsigned& generation) {
    if (model.Generation() == generation) return;
    generation = model.Generation();
    if (model.Enabled() && model.Interval() > 0)
        SetTimer(handle_, id, static_cast<UINT>(model.Interval()), nullptr);
    else
        KillTimer(handle_, id);
}

void GaugeWindow::TopWindow() {
    SetWindowPos(handle_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);  // flags 0x13
}

// The window manager owns the region from here on.
void GaugeWindow::SetWindowRgn(const RoundRectRegion& region) {
    HRGN outline = CreateRoundRectRgn(region.left, region.top, region.right, region.bottom, region.ellipseWidth,
                                      region.ellipseHeight);
    ::SetWindowRgn(handle_, outline, TRUE);
}

void GaugeWindow::ClearClipboard() {
    if (!OpenClipboard(handle_)) return;
    EmptyClipboard();
    CloseClipboard();
}

void GaugeWindow::ShowMessage(std::string_view text) {
    MessageBoxW(handle_, win32_platform::Utf8ToWide(text).c_str(), win32_platform::Utf8ToWide(form_.Caption).c_str(),
                MB_OK);
}

// The folder keeps its backslash only at the root of a drive; the name loses
// its extension.
RunningExecutable GaugeWindow::Executable() {
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    const std::wstring full = path;
    const auto slash = full.find_last_of(L'\\');
    std::wstring folder = full.substr(0, slash);
    if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
    std::wstring name = full.substr(slash + 1);
    if (const auto dot = name.find_last_of(L'.'); dot != std::wstring::npos) name.resize(dot);
    return {win32_platform::WideToUtf8(folder), win32_platform::WideToUtf8(name), '\\'};
}

TwipPoint GaugeWindow::ToTwips(LPARAM lParam) const {
    const auto& screen = form_.platform().screen;
    return {GET_X_LPARAM(lParam) * screen.TwipsPerPixelX(), GET_Y_LPARAM(lParam) * screen.TwipsPerPixelY()};
}

void GaugeWindow::Paint() {
    PaintBuffered(handle_, form_.BackColor, [this](HDC buffer, const RECT& client) {
        const Bitmap& dial = BitmapOf(form_.BackgroundPicture);
        if (form_.Width() == form_.Height())
            StretchPicture(buffer, dial, 0, 0, client.right, client.bottom);  // over the square instrument
        else
            DrawPicture(buffer, dial, 0, 0);
        const auto& screen = form_.platform().screen;
        ControlPainter controls(buffer, screen.TwipsPerPixelX(), screen.TwipsPerPixelY(), form_.BackColor);
        DrawWindowControls(form_, controls);
    });
}

}  // namespace zeltavor::win32
