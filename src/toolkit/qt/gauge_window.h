#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/form1.h"
#include "app/scene.h"
#include "options_panel.h"

namespace zeltavor::qt {

// The real window for Form1: delivers events and timer ticks to the model and
// then applies what changed to the screen. It is also the desktop the model
// asks for its outline and its place on top.
class GaugeWindow final : public QWidget, private Desktop {
public:
    explicit GaugeWindow(Platform& platform);
    // Runs the model's start-up; the window shows once it is called.
    void Load();
    const Form1& form() const { return form_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
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
    void SyncTimer(const Timer& model, QTimer& timer, unsigned& generation);
    QRect PixelGeometry() const;
    QPointF ToTwips(const QMouseEvent& event) const;

    Form1 form_;
    OptionsPanel* panel_ = nullptr;
    QTimer timer1_, timer2_;
    unsigned timer1Generation_ = 0, timer2Generation_ = 0;
    std::optional<Scene> shown_;
    Image* pressedDot_ = nullptr;
    bool doubleClickOnDot_ = false;
    bool firstShow_ = true;
    bool reportingError_ = false;  // the box of a runtime error is open
    bool sessionEnding_ = false;   // closed from outside: errors go to standard error only
};

}  // namespace zeltavor::qt
