#include "gauge_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QWindow>

#include <cstdio>
#include <algorithm>
#include <cstdlib>

#include "gauge_accessible.h"
#include "pictures.h"
#include "view_painter.h"

namespace zeltavor::qt {

namespace {

// Mouse buttons as the handlers count them: 1 left, 2 right, 4 middle.
int ButtonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

}  // namespace

GaugeWindow::GaugeWindow(Platform& platform) : events_(platform, *this) {
    GaugeAccessible::Install();
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // the hand cursor over the red cross
    setFocusPolicy(Qt::StrongFocus);  // the keys for the unseen size box
    setWindowTitle(ToQString(form().Caption));
    setWindowIcon(WindowIcon());
    AddPanelControls();
    qApp->installEventFilter(this);  // the keys that open the options or press a button
    connect(&timer1_, &QTimer::timeout, this, [this] { Apply(events_.Timer1Fired()); });
    connect(&timer2_, &QTimer::timeout, this, [this] { Apply(events_.Timer2Fired()); });
}

// The panel's boxes and buttons are real widgets; everything else is painted.
void GaugeWindow::AddPanelControls() {
    for (const PanelControlView& control : view().panel) {
        const PanelControlId id = control.id;
        if (control.box) {
            // Held to digits whatever no key filter sees (paste, drag and drop); typing and
            // pasting stop at the box's length, while a longer text the program sets stands whole.
            auto* box = new QLineEdit(this);
            const QString digits = QString("[0-9]{0,%1}").arg(control.maxLength > 0 ? control.maxLength : 1000);
            box->setValidator(new QRegularExpressionValidator(QRegularExpression(digits), box));
            connect(box, &QLineEdit::textEdited, this,
                    [this, id](const QString& text) { Apply(events_.Edited(id, text.toStdString())); });
            panel_.at(static_cast<std::size_t>(id)) = box;
        } else {
            auto* button = new QPushButton(this);
            connect(button, &QPushButton::clicked, this, [this, id] { Apply(events_.Click(id)); });
            panel_.at(static_cast<std::size_t>(id)) = button;
        }
    }
    FollowPanel();
}

// A control outside the window is hidden, so that nobody is told of it; the
// keys the size box would have had come to the window, which hands them on.
void GaugeWindow::FollowPanel() {
    for (const PanelControlView& control : view().panel) {
        QWidget* widget = panel_.at(static_cast<std::size_t>(control.id));
        widget->setGeometry(control.place.left, control.place.top, control.place.width, control.place.height);
        widget->setFont(ToQFont(control.font));
        if (control.accessibleName) widget->setAccessibleName(QString::fromUtf8(control.accessibleName));
        widget->setVisible(control.visible);
        const QString text = ToQString(control.text);
        if (auto* box = qobject_cast<QLineEdit*>(widget); box && box->text() != text) box->setText(text);
        if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(text);
    }
    QWidget* sizeBox = panel_.front();
    if (sizeBox->isVisible() && (focusWidget() == nullptr || focusWidget() == this)) sizeBox->setFocus();
    if (!sizeBox->isVisible() && (focusWidget() == nullptr || !focusWidget()->isVisible())) setFocus();
}

// From its start on, a move to a monitor of another density redraws outline
// and pictures; another primary monitor keeps the window where it stands.
void GaugeWindow::Load() {
    winId();
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { Apply(events_.DensityChanged(x(), y())); });
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, [this] { Apply(events_.Moved(x(), y())); });
    Apply(events_.Load());
    if (!panel_.front()->isVisible()) setFocus();
}

// A key the unseen box ignores comes back here, and goes on no further.
void GaugeWindow::keyPressEvent(QKeyEvent* event) {
    if (panel_.front()->isVisible() || std::exchange(forwardingKey_, true)) return QWidget::keyPressEvent(event);
    QCoreApplication::sendEvent(panel_.front(), event);
    forwardingKey_ = false;
}

// A fixed size, so that tiling window managers float the window. The window
// manager learns it before the new size, or would hold the window to the old.
void GaugeWindow::Place(const PixelRect& place) {
    const QSize size(place.width, place.height);
    windowHandle()->setMinimumSize(size), windowHandle()->setMaximumSize(size);
    setGeometry(place.left, place.top, place.width, place.height);
}

void GaugeWindow::RunTimer(int timer, const TimerOrder& order) {
    QTimer& qtimer = timer == 1 ? timer1_ : timer2_;
    order.run ? qtimer.start(order.interval) : qtimer.stop();
}

// Quitting also ends a message box that is open.
void GaugeWindow::End() { close(), QCoreApplication::quit(); }

void GaugeWindow::ShowCursor(MousePointer pointer) { setCursor(CursorOf(pointer)); }
void GaugeWindow::AnnounceReading() { GaugeAccessible::AnnounceReading(*this); }

// A runtime error is reported and ends the program; at a logout nobody is
// there to read a box.
void GaugeWindow::Report(const ErrorReport& error) {
    std::fputs(error.logLine.c_str(), stderr);
    if (sessionEnding_) std::exit(1);
    reportingError_ = true;
    ShowMessage(error.boxText);
    std::exit(1);
}

void GaugeWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintView(painter, view());
}

// The platform runs Resize once more as it first shows the window.
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

// The Menu key and Shift+F10 do what the right button does on the dial;
// Return presses the focused button as Space does, and "weiter" from a box;
// a character typed into a box, and backspace, pass its key filter first. Shortcuts (Ctrl+V, arrows)
// are no characters and work as in any text box.
bool GaugeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Resize) {  // the size the window manager gave
        sizeGiven_ = static_cast<QResizeEvent*>(event)->size();
        FollowOutline();
    }
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        Apply(events_.OptionsKey());
        return true;
    }
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
        Apply(events_.OptionsKey());
        return true;
    }
    const auto control = std::find(panel_.begin(), panel_.end(), watched);
    if (control == panel_.end()) return false;
    const auto id = static_cast<PanelControlId>(control - panel_.begin());
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        Apply(events_.ReturnKey(id));
        return true;
    }
    const bool backspace = key->key() == Qt::Key_Backspace;
    const bool character = key->text().size() == 1 && key->text()[0].isPrint();
    if (!qobject_cast<QLineEdit*>(watched) || !(backspace || character)) return false;
    std::int16_t code = backspace ? 8 : static_cast<std::int16_t>(key->text()[0].unicode());
    Apply(events_.KeyPress(id, code));
    return code == 0;
}

// Relative to where the model put the window, so that a drag in progress does
// not depend on when the window manager confirms the last move.
QPointF GaugeWindow::InWindow(const QMouseEvent& event) const {
    const PixelRect place = events_.Geometry();
    return event.globalPosition() - QPointF(place.left, place.top);
}

void GaugeWindow::Mouse(Changes (FormEvents::*handler)(int, double, double), const QMouseEvent& event,
                        Qt::MouseButtons buttons) {
    const QPointF at = InWindow(event);
    Apply((events_.*handler)(ButtonCode(buttons), at.x(), at.y()));
}

void GaugeWindow::mousePressEvent(QMouseEvent* event) { Mouse(&FormEvents::Press, *event, event->button()); }
void GaugeWindow::mouseMoveEvent(QMouseEvent* event) { Mouse(&FormEvents::Move, *event, event->buttons()); }
void GaugeWindow::mouseReleaseEvent(QMouseEvent* event) { Mouse(&FormEvents::Release, *event, event->button()); }
void GaugeWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPointF at = InWindow(*event);
    Apply(events_.DoubleClick(at.x(), at.y()));
}

}  // namespace zeltavor::qt
