#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "app/form1.h"

namespace zeltavor::win32 {

// Frame1: the options panel beside the dial, a child window holding real
// BUTTON and EDIT controls; its labels and the red cross are drawn.
class OptionsPanel {
public:
    using Dispatcher = std::function<void(const std::function<void()>&)>;

    OptionsPanel(HWND window, Form1& form, Dispatcher dispatch);
    ~OptionsPanel();
    OptionsPanel(const OptionsPanel&) = delete;
    OptionsPanel& operator=(const OptionsPanel&) = delete;

    void ApplyModel();   // buttons and boxes in line with the model
    void Invalidate();   // the drawn labels follow
    HWND FirstInFocusOrder() const { return boxes_.front().handle; }

private:
    struct ButtonControl {
        const Button* model;
        std::function<void()> onClick;
        HWND handle;
    };
    struct BoxControl {
        TextBox* model;
        std::function<void(std::int16_t&)> filter;
        HWND handle;
        WNDPROC originalProc;
    };

    static LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK BoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void AddButton(const Button& model, std::function<void()> onClick);
    void AddBox(TextBox& model, std::function<void(std::int16_t&)> filter);
    RECT PixelRect(const Control& control) const;
    bool OverExitCross(LPARAM lParam) const;
    void Paint();

    Form1& form_;
    Dispatcher dispatch_;
    HWND handle_ = nullptr;
    HFONT dialogFont_ = nullptr, weiterFont_ = nullptr;
    std::vector<ButtonControl> buttons_;
    std::vector<BoxControl> boxes_;
    bool exitPressed_ = false;
    bool syncing_ = false;
};

}  // namespace zeltavor::win32
