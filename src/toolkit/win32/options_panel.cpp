#include "options_panel.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "app/form_events.h"
#include "app/scene.h"
#include "control_painter.h"
#include "pictures.h"
#include "text.h"

namespace zeltavor::win32 {

namespace {

constexpr wchar_t kPanelClass[] = L"ZeltavorPanel";
constexpr int kFirstControlId = 100;

bool AllDigits(const std::wstring& text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

}  // namespace

OptionsPanel::OptionsPanel(HWND window, Form1& form, Dispatcher dispatch)
    : form_(form), dispatch_(std::move(dispatch)) {
    WNDCLASSEXW panelClass{};
    panelClass.cbSize = sizeof panelClass;
    panelClass.lpfnWndProc = PanelProc;
    panelClass.hInstance = GetModuleHandleW(nullptr);
    panelClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    panelClass.lpszClassName = kPanelClass;
    RegisterClassExW(&panelClass);
    const RECT frame = PixelRect(form_.Frame1);
    handle_ = CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                              frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, window,
                              nullptr, GetModuleHandleW(nullptr), this);
    dialogFont_ = CreateControlFont(Font{});
    weiterFont_ = CreateControlFont(form_.cmd_weiter.ButtonFont);
    for (const PanelControl& control : PanelControlsInFocusOrder(form_)) {
        if (control.box)
            AddBox(*control.box, [this, keyPress = control.keyPress](std::int16_t& key) { (form_.*keyPress)(key); });
        else
            AddButton(*control.button, [this, click = control.click] { (form_.*click)(); });
    }
    ApplyModel();
}

OptionsPanel::~OptionsPanel() {
    DeleteObject(dialogFont_);
    DeleteObject(weiterFont_);
}

RECT OptionsPanel::PixelRect(const Control& control) const {
    const zeltavor::PixelRect place = PixelsOf(control, form_.platform().screen);
    return {place.left, place.top, place.left + place.width, place.top + place.height};
}

void OptionsPanel::AddButton(const Button& model, std::function<void()> onClick) {
    const RECT box = PixelRect(model);
    const auto id = static_cast<INT_PTR>(kFirstControlId + buttons_.size() + boxes_.size());
    HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, box.left,
                                  box.top, box.right - box.left, box.bottom - box.top, handle_,
                                  reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(&model == &form_.cmd_weiter ? weiterFont_ : dialogFont_),
                 FALSE);
    buttons_.push_back({&model, std::move(onClick), button});
}

void OptionsPanel::AddBox(TextBox& model, std::function<void(std::int16_t&)> filter) {
    const RECT box = PixelRect(model);
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                box.left, box.top, box.right - box.left, box.bottom - box.top, handle_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont_), FALSE);
    if (model.MaxLength > 0) SendMessageW(edit, EM_SETLIMITTEXT, model.MaxLength, 0);
    SetWindowLongPtrW(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoxProc)));
    boxes_.push_back({&model, std::move(filter), edit, original});
}

void OptionsPanel::ApplyModel() {
    syncing_ = true;
    for (const ButtonControl& button : buttons_) {
        const std::wstring caption = win32_platform::Utf8ToWide(button.model->Caption);
        wchar_t shown[64] = {};
        GetWindowTextW(button.handle, shown, 64);
        if (caption != shown) SetWindowTextW(button.handle, caption.c_str());
        ShowWindow(button.handle, button.model->Visible ? SW_SHOWNA : SW_HIDE);
    }
    for (const BoxControl& box : boxes_) {
        const std::wstring text = win32_platform::Utf8ToWide(box.model->Text);
        wchar_t shown[64] = {};
        GetWindowTextW(box.handle, shown, 64);
        if (text != shown) SetWindowTextW(box.handle, text.c_str());
    }
    syncing_ = false;
}

void OptionsPanel::Invalidate() { InvalidateRect(handle_, nullptr, FALSE); }

bool OptionsPanel::OverExitCross(LPARAM lParam) const {
    const RECT cross = PixelRect(form_.cmd_EXIT);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return form_.cmd_EXIT.Visible && PtInRect(&cross, at);
}

LRESULT CALLBACK OptionsPanel::PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* panel = static_cast<OptionsPanel*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(panel));
        panel->handle_ = hwnd;
    }
    auto* panel = reinterpret_cast<OptionsPanel*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return panel ? panel->Handle(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT OptionsPanel::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_COMMAND: {
            const HWND from = reinterpret_cast<HWND>(lParam);
            for (const ButtonControl& button : buttons_)
                if (from == button.handle && HIWORD(wParam) == BN_CLICKED) dispatch_(button.onClick);
            for (const BoxControl& box : boxes_)
                if (from == box.handle && HIWORD(wParam) == EN_CHANGE && !syncing_) {
                    wchar_t text[64] = {};
                    GetWindowTextW(box.handle, text, 64);
                    TextBox* model = box.model;
                    const std::string typed = win32_platform::WideToUtf8(text);
                    dispatch_([model, typed] { model->Text = typed; });
                }
            return 0;
        }
        case WM_SETCURSOR: {
            POINT at;
            GetCursorPos(&at);
            ScreenToClient(handle_, &at);
            if (OverExitCross(MAKELPARAM(at.x, at.y))) {
                SetCursor(CursorOf(form_.cmd_EXIT.Pointer));
                return TRUE;
            }
            break;
        }
        case WM_LBUTTONDOWN:
            exitPressed_ = OverExitCross(lParam);
            return 0;
        case WM_LBUTTONUP:
            if (std::exchange(exitPressed_, false) && OverExitCross(lParam))
                dispatch_([this] { form_.cmd_EXIT_Click(); });
            return 0;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

// Typed characters and backspace pass the model's key filter; a paste that
// would bring anything but digits is refused whole.
LRESULT CALLBACK OptionsPanel::BoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* panel = reinterpret_cast<OptionsPanel*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const auto box = std::find_if(panel->boxes_.begin(), panel->boxes_.end(),
                                  [hwnd](const BoxControl& b) { return b.handle == hwnd; });
    if (message == WM_CHAR && (wParam >= 32 || wParam == 8)) {
        auto code = static_cast<std::int16_t>(wParam);
        panel->dispatch_([&] { box->filter(code); });
        if (code == 0) return 0;
        wParam = static_cast<std::uint16_t>(code);
    }
    if (message == WM_PASTE && !AllDigits(ClipboardText(hwnd))) {
        MessageBeep(MB_OK);
        return 0;
    }
    return CallWindowProcW(box->originalProc, hwnd, message, wParam, lParam);
}

void OptionsPanel::Paint() {
    PaintBuffered(handle_, form_.Frame1.BackColor, [this](HDC buffer, const RECT&) {
        const auto& screen = form_.platform().screen;
        ControlPainter controls(buffer, screen.TwipsPerPixelX(), screen.TwipsPerPixelY(), form_.Frame1.BackColor);
        DrawPanelControls(form_, controls);
    });
}

}  // namespace zeltavor::win32
