#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "frontend/form_events.h"

namespace zeltavor::qt {

// The real window for Form1: turns Qt's events into calls of the model's
// event path, applies what changed and paints the model's view. It is also
// the desktop the model asks for its outline and its place on top.
class GaugeWindow final : public QWidget, private Desktop, private ChangesTarget {
public:
    explicit GaugeWindow(Platform& platform);
    // Runs the model's start-up; the window shows once it is called.
    void Load();
    const Form1& form() const { return events_.form(); }
    const View& view() const { return events_.view(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent*) override { Apply(events_.Moved(x(), y())); }
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
    void Repaint() override { update(); }
    void ShowCursor(MousePointer pointer) override;
    void FollowPainted() override;
    void AnnounceReading() override;
    void TakeFocus(const Focus& focus) override;
    void ShowMessage(std::string_view text) override;

    void AddControls();
    std::optional<PanelControlId> PanelIdOf(const QObject* widget) const;
    void FollowOutline();
    void Apply(const Changes& changes) { ApplyChanges(changes, *this); }
    QPointF InWindow(const QMouseEvent& event) const;
    // A mouse event at its place in the window, with the handlers' button codes.
    void Mouse(Changes (FormEvents::*handler)(int, double, double), const QMouseEvent& event, Qt::MouseButtons buttons);

    FormEvents events_;
    QSize sizeGiven_;                            // as the window manager last confirmed it
    std::optional<RoundRectRegion> outline_;     // waiting for the size it is for
    std::array<QWidget*, kPanelControlsInFocusOrder.size()> panel_{};  // in focus order
    std::vector<QWidget*> painted_;  // the painted controls' stand-ins, as in the view
    QTimer timer1_, timer2_;
};

}  // namespace zeltavor::qt
