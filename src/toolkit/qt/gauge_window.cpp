#include "gauge_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "gauge_accessible.h"
#include "pictures.h"

namespace zeltavor::qt {

namespace {

// Mouse buttons as the handlers count them: 1 left, 2 right, 4 middle.
int ButtonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

void Follow(const std::optional<TimerOrder>& order, QTimer& timer) {
    if (!order) return;
    if (order->run)
        timer.start(order->interval);
    else
        timer.stop();
}

}  // namespace

GaugeWindow::GaugeWindow(Platform& platform) : events_(platform, *this) {
    GaugeAccessible::Install();
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QString::fromStdString(form().Caption));
    setWindowIcon(WindowIcon());
    panel_ = new OptionsPanel(*this, events_.form(),
                              [this](const std::function<void()>& handler) { Apply(events_.Run(handler)); });
    connect(&timer1_, &QTimer::timeout, this, [this] { Apply(events_.Timer1Fired()); });
    connect(&timer2_, &QTimer::timeout, this, [this] { Apply(events_.Timer2Fired()); });
}

void GaugeWindow::Load() {
    Apply(events_.Load());
    panel_->FirstInFocusOrder().setFocus();
}

void GaugeWindow::Apply(const Changes& changes) {
    Follow(changes.timer1, timer1_);  // an error's record stops both while it is reported
    Follow(changes.timer2, timer2_);
    if (changes.error) Fail(*changes.error);
    if (changes.end) {
        close();
        QCoreApplication::quit();  // also ends a message box that is open
        return;
    }
    if (changes.geometry) {
        const PixelRect& place = *changes.geometry;
        setGeometry(place.left, place.top, place.width, place.height);
    }
    panel_->ApplyModel();
    if (changes.repaint) {
        update();
        panel_->update();
    }
    if (changes.readingChanged && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, GaugeAccessible::Reading(form()));
        QAccessible::updateAccessibility(&event);
    }
}

// A runtime error is reported and ends the program; at a logout nobody is
// there to read a box.
void GaugeWindow::Fail(const RuntimeError& error) {
    std::fprintf(stderr, "zeltavor: Laufzeitfehler %d: %s\n", error.number(), error.what());
    if (sessionEnding_) std::exit(1);
    reportingError_ = true;
    ShowMessage("Laufzeitfehler '" + std::to_string(error.number()) + "':\n\n" + error.what());
    std::exit(1);
}

void GaugeWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Apply(events_.FirstShow());
}

// The window manager closing the window, a logout or a termination signal:
// nothing on this way may wait for a click.
void GaugeWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (reportingError_) std::exit(1);  // the error ends the program once its box is closed
    sessionEnding_ = true;
    Apply(events_.CloseFromOutside());
}

// Relative to where the model put the window, so that a drag in progress does
// not depend on when the window manager confirms the last move.
QPointF GaugeWindow::InWindow(const QMouseEvent& event) const {
    const PixelRect place = events_.Geometry();
    return event.globalPosition() - QPointF(place.left, place.top);
}

void GaugeWindow::mousePressEvent(QMouseEvent* event) {
    const QPointF at = InWindow(*event);
    Apply(events_.Press(ButtonCode(event->button()), at.x(), at.y()));
}

void GaugeWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = InWindow(*event);
    Apply(events_.Move(ButtonCode(event->buttons()), at.x(), at.y()));
}

void GaugeWindow::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = InWindow(*event);
    Apply(events_.Release(ButtonCode(event->button()), at.x(), at.y()));
}

void GaugeWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPointF at = InWindow(*event);
    Apply(events_.DoubleClick(at.x(), at.y()));
}

}  // namespace zeltavor::qt
