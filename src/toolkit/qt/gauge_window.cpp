#include "gauge_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QValidator>
#include <QWindow>

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

// The keys the core acts on by name; any other with the character it types.
KeyEvent KeyOf(const QKeyEvent& key) {
    KeyEvent event{Key::Other, key.modifiers() == Qt::ShiftModifier};
    switch (key.key()) {
        case Qt::Key_Menu: event.key = Key::Menu; break;
        case Qt::Key_F10: event.key = Key::F10; break;
        case Qt::Key_Return: case Qt::Key_Enter: event.key = Key::Return; break;
        case Qt::Key_Space: event.key = Key::Space; break;
        case Qt::Key_Tab: event.key = Key::Tab; break;
        case Qt::Key_Backtab: event = {Key::Tab, true}; break;
        default:
            if (key.text().size() == 1) event = {Key::Character, false, key.text()[0].unicode()};
    }
    return event;
}

// What a box takes from a paste or a drop is what the core takes; a text the
// program sets stands whole.
class BoxValidator final : public QValidator {
public:
    BoxValidator(FormEvents& events, PanelControlId box, QObject* parent) : QValidator(parent), events_(events), box_(box) {}
    State validate(QString& text, int&) const override {
        return events_.Accepts(box_, text.toStdString()) ? Acceptable : Invalid;
    }

private:
    FormEvents& events_;
    PanelControlId box_;
};

}  // namespace

GaugeWindow::GaugeWindow(Platform& platform) : events_(platform, *this) {
    GaugeAccessible::Install();
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // the hand cursor over the red cross
    setFocusPolicy(Qt::StrongFocus);  // the keys for the unseen size box
    setWindowTitle(ToQString(form().Caption));
    setWindowIcon(WindowIcon());
    AddControls();
    qApp->installEventFilter(this);  // the keys, before a control acts on them
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { events_.FocusMoved(PanelIdOf(now)); });
    connect(&timer1_, &QTimer::timeout, this, [this] { Apply(events_.Timer1Fired()); });
    connect(&timer2_, &QTimer::timeout, this, [this] { Apply(events_.Timer2Fired()); });
}

// The panel's boxes and buttons are real widgets; everything else is painted.
void GaugeWindow::AddControls() {
    for (const PanelControlView& control : view().panel) {
        const PanelControlId id = control.id;
        if (control.box) {
            auto* box = new QLineEdit(this);
            box->setValidator(new BoxValidator(events_, id, box));
            connect(box, &QLineEdit::textEdited, this,
                    [this, id](const QString& text) { Apply(events_.Edited(id, text.toStdString())); });
            panel_.at(static_cast<std::size_t>(id)) = box;
        } else {
            auto* button = new QPushButton(this);
            connect(button, &QPushButton::clicked, this, [this, id] { Apply(events_.Click(id)); });
            panel_.at(static_cast<std::size_t>(id)) = button;
        }
    }
    for (const PaintedControlView& control : view().painted) {
        if (control.button) {
            auto* button = new PaintedButton(this);
            button->setFocusPolicy(Qt::TabFocus);
            connect(button, &QAbstractButton::clicked, this, [this, id = control.id] { Apply(events_.Activate(id)); });
            painted_.push_back(button);
        } else {
            painted_.push_back(new MessageLine(this));
        }
        painted_.back()->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    FollowPanel(), FollowPainted();
}

// A control outside the window is hidden, so that nobody is told of it.
void GaugeWindow::FollowPanel() {
    for (const PanelControlView& control : view().panel) {
        QWidget* widget = panel_.at(static_cast<std::size_t>(control.id));
        widget->setGeometry(control.place.left, control.place.top, control.place.width, control.place.height);
        widget->setFont(ToQFont(control.font, *widget));
        if (control.accessibleName) widget->setAccessibleName(QString::fromUtf8(control.accessibleName));
        widget->setVisible(control.visible);
        const QString text = ToQString(control.text);
        if (auto* box = qobject_cast<QLineEdit*>(widget); box && box->text() != text) box->setText(text);
        if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(text);
    }
}

// The stand-ins follow the painted controls; a screen reader hears of a change.
void GaugeWindow::FollowPainted() {
    for (std::size_t i = 0; i < painted_.size(); ++i) {
        const PaintedControlView& control = view().painted[i];
        painted_[i]->setGeometry(control.place.left, control.place.top, control.place.width, control.place.height);
        const QString name = control.name ? QString::fromUtf8(control.name) : ToQString(view().message);
        if (painted_[i]->accessibleName() != name) painted_[i]->setAccessibleName(name);
        painted_[i]->setVisible(control.showing);
    }
}

std::optional<PanelControlId> GaugeWindow::PanelIdOf(const QObject* widget) const {
    const auto control = std::find(panel_.begin(), panel_.end(), widget);
    if (control == panel_.end()) return std::nullopt;
    return static_cast<PanelControlId>(control - panel_.begin());
}

void GaugeWindow::TakeFocus(const Focus& focus) {
    if (const auto* control = std::get_if<PanelControlId>(&focus)) return panel_.at(static_cast<std::size_t>(*control))->setFocus();
    if (const auto* painted = std::get_if<PaintedControlId>(&focus)) return painted_.at(static_cast<std::size_t>(*painted))->setFocus();
    setFocus();  // the window may have it already: a screen reader is told where it is now
    QAccessibleEvent event(this, QAccessible::Focus);
    if (QAccessible::isActive()) QAccessible::updateAccessibility(&event);
}

// From its start on, a move to a monitor of another density redraws outline
// and pictures; another primary monitor keeps the window where it stands.
void GaugeWindow::Load() {
    winId();
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { Apply(events_.DensityChanged(x(), y())); });
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, [this] { Apply(events_.Moved(x(), y())); });
    Apply(events_.Load());
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
void GaugeWindow::End(int status) {
    if (status != 0) std::exit(status);
    close(), QCoreApplication::quit();
}

void GaugeWindow::ShowCursor(MousePointer pointer) { setCursor(CursorOf(pointer)); }
void GaugeWindow::AnnounceReading() { GaugeAccessible::AnnounceReading(*this); }

void GaugeWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintView(painter, view());
}

// The platform runs Resize once more as it first shows the window.
void GaugeWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Apply(events_.FirstShow());
}

// The window manager closing the window, a logout or a termination signal.
void GaugeWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    Apply(events_.CloseFromOutside());
}

// Keys on the window and its panel go to the core first; a box's own
// context menu never opens. A character may go to the unseen size box.
bool GaugeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Resize) {  // the size the window manager gave
        sizeGiven_ = static_cast<QResizeEvent*>(event)->size();
        FollowOutline();
    }
    if (auto* widget = qobject_cast<QWidget*>(watched); widget == nullptr || widget->window() != this) return false;
    if (event->type() == QEvent::ContextMenu) return static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
    if (event->type() != QEvent::KeyPress) return false;
    const KeyOutcome outcome = events_.KeyDown(KeyOf(*static_cast<QKeyEvent*>(event)));
    Apply(outcome.changes);
    auto* sizeBox = static_cast<QLineEdit*>(panel_.front());
    if (outcome.route == KeyRoute::ToSizeBox) outcome.character == 8 ? sizeBox->backspace() : sizeBox->insert(QChar(outcome.character));
    return outcome.route != KeyRoute::Native;
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
