#include "gauge_window.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <utility>

#include "pictures.h"
#include "system_facilities.h"
#include "text.h"
#include "view_painter.h"

namespace zeltavor::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"ZeltavorGauge";
constexpr UINT_PTR kTimer1 = 1, kTimer2 = 2;
constexpr int kFirstPanelId = 100;  // a panel control's id is this plus its place in the focus order

// Mouse buttons as the handlers count them, 1 left, 2 right, 4 middle: for a
// move those held, else the one pressed or released (each button has its
// down, up and double-click messages in a row).
int ButtonsOf(UINT message, WPARAM keys) {
    if (message == WM_MOUSEMOVE) return (keys & (MK_LBUTTON | MK_RBUTTON)) | (keys & MK_MBUTTON ? 4 : 0);
    return 1 << (message - WM_LBUTTONDOWN) / 3;
}

PanelControlId IdOf(int controlId) { return static_cast<PanelControlId>(controlId - kFirstPanelId); }

std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

GaugeWindow::GaugeWindow(Platform& platform) : events_(platform, *this) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;  // the double-click moves the instrument
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = WindowIcon();
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
    const std::wstring caption = win32_platform::Utf8ToWide(events_.form().Caption);
    CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, caption.c_str(), WS_POPUP | WS_CLIPCHILDREN, CW_USEDEFAULT,
                    CW_USEDEFAULT, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    cursor_ = CursorOf(MousePointer::Default);
    AddPanelControls();
}

void GaugeWindow::Load() {
    Apply(events_.Load());
    ShowWindow(handle_, SW_SHOW);
}

// The panel's boxes and buttons are real BUTTON and EDIT controls; the boxes
// are subclassed so that typed and pasted characters pass the core first.
void GaugeWindow::AddPanelControls() {
    for (const PanelControlView& control : events_.view().panel) {
        const auto id = static_cast<INT_PTR>(kFirstPanelId + static_cast<int>(control.id));
        const DWORD style = WS_CHILD | WS_TABSTOP | (control.box ? ES_AUTOHSCROLL : BS_PUSHBUTTON);
        HWND handle = CreateWindowExW(control.box ? WS_EX_CLIENTEDGE : 0, control.box ? L"EDIT" : L"BUTTON", L"", style,
                                      0, 0, 0, 0, handle_, reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr),
                                      nullptr);
        if (control.box) {
            if (control.maxLength > 0) SendMessageW(handle, EM_SETLIMITTEXT, control.maxLength, 0);
            SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            editProc_ = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoxProc)));
        }
        panel_.at(static_cast<std::size_t>(control.id)) = handle;
    }
    FollowPanel();
}

// A control outside the window is hidden.
void GaugeWindow::FollowPanel() {
    for (const PanelControlView& control : events_.view().panel) {
        HWND handle = panel_.at(static_cast<std::size_t>(control.id));
        const PixelRect& place = control.place;
        SetWindowPos(handle, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(control.font)), TRUE);
        if (const std::wstring text = win32_platform::Utf8ToWide(control.text); TextOf(handle) != text)
            SetWindowTextW(handle, text.c_str());
        ShowWindow(handle, control.visible ? SW_SHOWNA : SW_HIDE);
    }
}

void GaugeWindow::TakeFocus(const Focus& focus) {
    const auto* control = std::get_if<PanelControlId>(&focus);
    SetFocus(control ? panel_.at(static_cast<std::size_t>(*control)) : handle_);
}

// Which panel control has the focus; none when the window has it.
std::optional<PanelControlId> GaugeWindow::Focused() const {
    HWND focus = GetFocus();
    if (focus == nullptr || GetParent(focus) != handle_) return std::nullopt;
    return IdOf(GetDlgCtrlID(focus));
}

// A character typed on the window goes where the core sends it.
void GaugeWindow::Typed(HWND box, WPARAM& character, LPARAM lParam) {
    events_.FocusMoved(Focused());
    const KeyOutcome outcome = events_.KeyDown({Key::Character, false, static_cast<char16_t>(character)});
    Apply(outcome.changes);
    if (outcome.route == KeyRoute::ToSizeBox) CallWindowProcW(editProc_, panel_.front(), WM_CHAR, outcome.character, lParam);
    character = outcome.route == KeyRoute::Native && box != nullptr ? outcome.character : 0;
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
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (message) {
        case WM_TIMER:
            Apply(wParam == kTimer1 ? events_.Timer1Fired() : events_.Timer2Fired());
            return 0;
        case WM_PAINT:
            PaintView(handle_, events_.view());
            return 0;
        case WM_SHOWWINDOW:
            if (wParam) Apply(events_.FirstShow());
            break;
        case WM_SETCURSOR:
            if (LOWORD(lParam) != HTCLIENT || reinterpret_cast<HWND>(wParam) != handle_) break;
            SetCursor(cursor_);
            return TRUE;
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
            SetCapture(handle_);
            Apply(events_.Press(ButtonsOf(message, wParam), x, y));
            return 0;
        case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
            ReleaseCapture();
            Apply(events_.Release(ButtonsOf(message, wParam), x, y));
            return 0;
        case WM_MOUSEMOVE:
            Apply(events_.Move(ButtonsOf(message, wParam), x, y));
            return 0;
        case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
            SetCapture(handle_);
            Apply(events_.DoubleClick(x, y));
            return 0;
        case WM_MOVE:  // also by the system or the keyboard: that is where it stands
            Apply(events_.Moved(x, y));
            return 0;
        case WM_COMMAND:
            Command(wParam, lParam);
            return 0;
        case WM_CHAR:
            Typed(nullptr, wParam, lParam);
            return 0;
        case WM_DISPLAYCHANGE:  // another resolution
            Apply(events_.DisplayChanged());
            return 0;
        // Moved onto a monitor of another density: the window keeps its size
        // in twips and stands where the system suggests.
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            Apply(events_.DensityChanged(suggested->left, suggested->top));
            return 0;
        }
        // A logoff: nothing may wait for a click, not even a box that is open,
        // and the program ends here.
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (!wParam) return 0;
            Apply(events_.CloseFromOutside());
            ExitProcess(0);
        case WM_CLOSE:
            Apply(events_.CloseFromOutside());
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

void GaugeWindow::Command(WPARAM wParam, LPARAM lParam) {
    const PanelControlId id = IdOf(LOWORD(wParam));
    events_.FocusMoved(Focused());
    if (HIWORD(wParam) == BN_CLICKED) Apply(events_.Click(id));
    if (HIWORD(wParam) == EN_CHANGE)
        Apply(events_.Edited(id, win32_platform::WideToUtf8(TextOf(reinterpret_cast<HWND>(lParam)))));
}

// Typed characters pass the core; a paste it would not take is refused whole.
LRESULT CALLBACK GaugeWindow::BoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<GaugeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_CHAR && (window->Typed(hwnd, wParam, lParam), wParam == 0)) return 0;
    if (message == WM_PASTE &&
        !window->events_.Accepts(IdOf(GetDlgCtrlID(hwnd)), win32_platform::ClipboardText(hwnd))) {
        MessageBeep(MB_OK);
        return 0;
    }
    if (message == WM_CONTEXTMENU && lParam == -1) return 0;  // the Menu key opened the options instead
    return CallWindowProcW(window->editProc_, hwnd, message, wParam, lParam);
}

// The keys the core acts on by name go to it before the dialog manager,
// which would send IDOK for Return in a box and move the focus on Tab; the
// release of a key it took goes nowhere either.
bool GaugeWindow::TranslateKey(const MSG& message) {
    if (message.hwnd != handle_ && GetParent(message.hwnd) != handle_) return false;
    if ((message.message == WM_KEYUP || message.message == WM_SYSKEYUP) && message.wParam == takenKey_) {
        takenKey_ = 0;
        return true;
    }
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    constexpr std::pair<WPARAM, Key> kKeys[] = {
        {VK_APPS, Key::Menu}, {VK_F10, Key::F10}, {VK_RETURN, Key::Return}, {VK_SPACE, Key::Space}, {VK_TAB, Key::Tab}};
    const auto key = std::find_if(std::begin(kKeys), std::end(kKeys), [&](auto& k) { return k.first == message.wParam; });
    if (key == std::end(kKeys)) return false;
    events_.FocusMoved(Focused());
    const KeyOutcome outcome = events_.KeyDown({key->second, GetKeyState(VK_SHIFT) < 0});
    Apply(outcome.changes);
    if (outcome.route == KeyRoute::Native) return false;
    takenKey_ = message.wParam;
    return true;
}

void GaugeWindow::Place(const PixelRect& place) {
    SetWindowPos(handle_, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void GaugeWindow::End(int status) {
    if (status != 0) ExitProcess(status);
    DestroyWindow(handle_);
}

// SetTimer on the same id restarts its countdown.
void GaugeWindow::RunTimer(int timer, const TimerOrder& order) {
    const UINT_PTR id = timer == 1 ? kTimer1 : kTimer2;
    if (order.run)
        SetTimer(handle_, id, static_cast<UINT>(order.interval), nullptr);
    else
        KillTimer(handle_, id);
}

}  // namespace zeltavor::win32
