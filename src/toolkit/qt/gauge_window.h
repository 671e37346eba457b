#pragma once

#include <QTimer>
#include <QWidget>

#include "app/form_events.h"
#include "options_panel.h"

namespace zeltavor::qt {

// The real window for Form1: hands its events and timer ticks to the model's
// event path and applies what changed. It is also the desktop the model asks
// for its outline and its place on top.
class GaugeWindow final : public QWidget, private Desktop {
public:
    explicit GaugeWindow(Platform& platform);
    // Runs the model's start-up; the window shows once it is called.
    void Load();
    const Form1& form() const { return events_.form(); }

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

    void Apply(const Changes& changes);
    [[noreturn]] void Fail(const RuntimeError& error);
    QPointF InWindow(const QMouseEvent& event) const;

    FormEvents events_;
    OptionsPanel* panel_ = nullptr;
    QTimer timer1_, timer2_;
    bool reportingError_ = false;  // the box of a runtime error is open
    bool sessionEnding_ = false;   // closed from outside: errors go to standard error only
};

}  // namespace zeltavor::qt
