#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "digit_box.h"

namespace zeltavor::qt {

// Frame1: the options panel beside the dial, seen once the window widens.
// Buttons and text boxes are real widgets; labels and the red cross are drawn.
class OptionsPanel final : public QWidget {
public:
    // Runs a handler of the model at the event boundary.
    using Dispatcher = std::function<void(const std::function<void()>&)>;

    OptionsPanel(QWidget& window, Form1& form, Dispatcher dispatch);
    // Brings the buttons and boxes in line with the model; the drawn labels
    // follow the window's repaint.
    void ApplyModel();
    // The box that holds the focus when the window is first shown.
    QWidget& FirstInFocusOrder() { return *boxes_.front().widget; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void AddButton(const Button& model, const std::function<void()>& onClick);
    void AddTextBox(TextBox& model, DigitBox::KeyFilter filter);
    QRect PixelRect(const Control& control) const;
    bool OverExitCross(QPointF position) const;
    void FollowView();

    Form1& form_;
    Dispatcher dispatch_;
    // Each widget with what it shows, so that an event that changes nothing
    // here (every timer tick) costs a comparison and no more.
    struct ShownButton {
        const Button* model;
        QPushButton* widget;
        std::string caption;
        bool visible = true;  // a child widget shows with the panel unless hidden
    };
    struct ShownBox {
        TextBox* model;
        QLineEdit* widget;
        std::string text;
    };
    std::vector<ShownButton> buttons_;
    std::vector<ShownBox> boxes_;
    bool exitPressed_ = false;
    bool inSight_ = true;
    int caretFlashTime_ = 0;  // the desktop's, for when the panel is in sight
};

}  // namespace zeltavor::qt
