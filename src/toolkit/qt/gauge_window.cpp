#include "gauge_window.h"

#include <QAccessible>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainterPath>
#include <xcb/xcb.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

#include "app/errors.h"
#include "control_painter.h"
#include "gauge_accessible.h"
#include "pictures.h"
#include "x_shape.h"
#include "xdg_autostart.h"

namespace zeltavor::qt {

namespace {

// X11 holds window coordinates in 16 bits; a position beyond them is shown
// at the nearest one it can hold.
int ToWindowPixels(float twips, float twipsPerPixel) {
    const double pixels = std::nearbyint(twips / twipsPerPixel);
    return static_cast<int>(std::clamp(pixels, -32768.0, 32767.0));
}

// Mouse buttons as the handlers count them: 1 left, 2 right, 4 middle.
int ButtonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

}  // namespace

GaugeWindow::GaugeWindow(Platform& platform) : form_(platform, *this) {
    GaugeAccessible::Install();
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QString::fromStdString(form_.Caption));
    setWindowIcon(WindowIcon());
    panel_ = new OptionsPanel(*this, form_, [this](const std::function<void()>& handler) { Dispatch(handler); });
    connect(&timer1_, &QTimer::timeout, this, [this] { Dispatch([this] { form_.Timer1_Timer(); }); });
    connect(&timer2_, &QTimer::timeout, this, [this] { Dispatch([this] { form_.Timer2_Timer(); }); });
}

void GaugeWindow::Load() {
    Dispatch([this] { form_.Load(); });
    panel_->FirstInFocusOrder().setFocus();
}

void GaugeWindow::Dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        timer1_.stop();
        timer2_.stop();
        std::fprintf(stderr, "zeltavor: Laufzeitfehler %d: %s\n", error.number(), error.what());
        if (sessionEnding_) std::exit(1);  // nobody is there to read a box
        reportingError_ = true;
        QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(form_.Caption),
                        QString("Laufzeitfehler '%1':\n\n%2").arg(error.number()).arg(QString::fromUtf8(error.what())),
                        QMessageBox::Ok);
        box.exec();
        std::exit(1);
    }
    ApplyModel();
}

QRect GaugeWindow::PixelGeometry() const {
    const auto& screen = form_.platform().screen;
    return {ToWindowPixels(form_.Left, screen.TwipsPerPixelX()), ToWindowPixels(form_.Top, screen.TwipsPerPixelY()),
            ToWindowPixels(form_.Width(), screen.TwipsPerPixelX()),
            ToWindowPixels(form_.Height(), screen.TwipsPerPixelY())};
}

void GaugeWindow::ApplyModel() {
    if (form_.Unloaded) {
        close();
        QCoreApplication::quit();
        return;
    }
    if (const QRect geometry = PixelGeometry(); geometry != this->geometry()) setGeometry(geometry);
    if (form_.Visible && !isVisible()) show();
    SyncTimer(form_.Timer1, timer1_, timer1Generation_);
    SyncTimer(form_.Timer2, timer2_, timer2Generation_);
    panel_->ApplyModel();
    Scene scene = SceneOf(form_);
    if (scene != shown_) {
        const bool newReading = !shown_ || scene.lbl_MEM.Caption != shown_->lbl_MEM.Caption ||
                                scene.lblHDRAM.Caption != shown_->lblHDRAM.Caption;
        shown_ = std::move(scene);
        update();
        panel_->update();
        if (newReading && QAccessible::isActive()) {
            QAccessibleValueChangeEvent event(this, GaugeAccessible::Reading(form_));
            QAccessible::updateAccessibility(&event);
        }
    }
}

// Every assignment to a model timer restarts its countdown.
void GaugeWindow::SyncTimer(const Timer& model, QTimer& timer, unsigned& generation) {
    if (model.Generation() == generation) return;
    generation = model.Generation();
    if (model.Enabled() && model.Interval() > 0)
        timer.start(model.Interval());
    else
        timer.stop();
}

void GaugeWindow::TopWindow() { raise(); }

// On X11 the outline is set in the window's device pixels, so that on a dense
// screen its curve is as fine as the screen (Qt would scale a mask given in
// logical pixels in steps of the ratio).
void GaugeWindow::SetWindowRgn(const RoundRectRegion& region) {
    const QRectF rect(region.left, region.top, region.right - region.left, region.bottom - region.top);
    // The corner ellipse can be no larger than the rectangle.
    const double radiusX = std::min<double>(region.ellipseWidth, rect.width()) / 2;
    const double radiusY = std::min<double>(region.ellipseHeight, rect.height()) / 2;
    QPainterPath outline;
    outline.addRoundedRect(rect, radiusX, radiusY);
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        setMask(QRegion(outline.toFillPolygon().toPolygon()));
        return;
    }
    const double ratio = devicePixelRatioF();
    std::vector<linux_platform::PixelRect> rectangles;
    for (const QRect& r : QRegion(QTransform::fromScale(ratio, ratio).map(outline).toFillPolygon().toPolygon()))
        rectangles.push_back({r.x(), r.y(), r.width(), r.height()});
    const WId window = winId();
    xcb_flush(x11->connection());  // Qt's requests that create the window go out first
    linux_platform::SetWindowShape(window, rectangles);
}

void GaugeWindow::ClearClipboard() { QGuiApplication::clipboard()->clear(QClipboard::Clipboard); }

void GaugeWindow::ShowMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(form_.Caption),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok, this);
    box.exec();
}

RunningExecutable GaugeWindow::Executable() { return linux_platform::RunningProgram(); }

void GaugeWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!firstShow_) return;
    firstShow_ = false;
    Dispatch([this] {
        form_.Visible = true;
        form_.Resize();
    });
}

// The window manager closing the window, a logout or a termination signal:
// the options are saved as when the red cross is clicked, yet nothing may
// wait for a click. This also ends a message box that is open.
void GaugeWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (reportingError_) std::exit(1);  // the error ends the program once its box is closed
    sessionEnding_ = true;
    if (!form_.Unloaded) Dispatch([this] { form_.Unload(); });
}

// Relative to where the model put the window, so that a drag in progress does
// not depend on when the window manager confirms the last move.
QPointF GaugeWindow::ToTwips(const QMouseEvent& event) const {
    const auto& screen = form_.platform().screen;
    const QPointF inWindow = event.globalPosition() - PixelGeometry().topLeft();
    return {static_cast<float>(inWindow.x() * screen.TwipsPerPixelX()),
            static_cast<float>(inWindow.y() * screen.TwipsPerPixelY())};
}

void GaugeWindow::mousePressEvent(QMouseEvent* event) {
    const QPointF at = ToTwips(*event);
    pressedDot_ = form_.DotAt(at.x(), at.y());
    if (pressedDot_) return;  // a dot acts on release, as a click
    Dispatch([&] { form_.MouseDown(ButtonCode(event->button()), 0, at.x(), at.y()); });
}

void GaugeWindow::mouseMoveEvent(QMouseEvent* event) {
    if (pressedDot_) return;
    const QPointF at = ToTwips(*event);
    Dispatch([&] { form_.MouseMove(ButtonCode(event->buttons()), 0, at.x(), at.y()); });
}

void GaugeWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (pressedDot_) {
        Image* dot = std::exchange(pressedDot_, nullptr);
        const QPointF at = ToTwips(*event);
        if (!std::exchange(doubleClickOnDot_, false) && event->button() == Qt::LeftButton &&
            form_.DotAt(at.x(), at.y()) == dot)
            Dispatch([this, dot] { form_.DotClick(*dot); });
        return;
    }
    Dispatch([this] { form_.MouseUp(); });
}

// Qt delivers a double-click as press, release, double-click, release: the
// handlers' own order, with the double-click in place of the second press.
// On a dot the first click has switched the source; the second does nothing.
void GaugeWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPointF at = ToTwips(*event);
    pressedDot_ = form_.DotAt(at.x(), at.y());
    doubleClickOnDot_ = pressedDot_ != nullptr;
    if (pressedDot_) return;
    Dispatch([this] { form_.DblClick(); });
}

void GaugeWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(form_.BackColor));
    if (const QPixmap& dial = PixmapOf(form_.BackgroundPicture); !dial.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (form_.Width() == form_.Height())
            painter.drawPixmap(rect(), dial);  // stretched over the square instrument
        else
            painter.drawPixmap(QPointF(0, 0), dial);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const auto& screen = form_.platform().screen;
    ControlPainter controls(painter, screen.TwipsPerPixelX(), screen.TwipsPerPixelY(), form_.BackColor);
    DrawWindowControls(form_, controls);
}

}  // namespace zeltavor::qt
