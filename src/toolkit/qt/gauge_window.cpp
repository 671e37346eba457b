#include "gauge_window.h"

#include <QMessageBox>
#include <QPainter>
#include <cstdio>

#include "app/errors.h"
#include "pictures.h"

namespace zeltavor::qt {

namespace {

QColor ToQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

QFont ToQFont(const Font& font) {
    // Metric-compatible stand-ins for the classic dialog fonts.
    QFont qfont(font.family == Font::Family::Serif ? "Liberation Serif" : "Liberation Sans");
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

Scene SceneOf(const Form1& form) {
    return {form.Width(), form.Height(), form.BackgroundPicture, form.SecZ,
            form.lbl_MEM, form.lblHDRAM, form.MEMTOP, form.MEMLeft,
            form.imgDot0, form.ImgDot1, form.ImgMitte, form.Image2};
}

}  // namespace

GaugeWindow::GaugeWindow(Platform& platform) : form_(platform) {
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QString::fromStdString(form_.Caption));
    setWindowIcon(WindowIcon());
    connect(&timer1_, &QTimer::timeout, this, [this] { Dispatch([this] { form_.Timer1_Timer(); }); });
    connect(&timer2_, &QTimer::timeout, this, [this] { Dispatch([this] { form_.Timer2_Timer(); }); });
    Dispatch([this] { form_.Load(); });
}

template <typename Handler>
void GaugeWindow::Dispatch(Handler handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        timer1_.stop();
        timer2_.stop();
        std::fprintf(stderr, "zeltavor: Laufzeitfehler %d: %s\n", error.number(), error.what());
        QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(form_.Caption),
                        QString("Laufzeitfehler '%1':\n\n%2").arg(error.number()).arg(QString::fromUtf8(error.what())),
                        QMessageBox::Ok);
        box.exec();
        std::exit(1);
    }
    ApplyModel();
}

void GaugeWindow::ApplyModel() {
    const auto& screen = form_.platform().screen;
    const QRect geometry(RoundToInt32(form_.Left / screen.TwipsPerPixelX()),
                         RoundToInt32(form_.Top / screen.TwipsPerPixelY()),
                         RoundToInt32(form_.Width() / screen.TwipsPerPixelX()),
                         RoundToInt32(form_.Height() / screen.TwipsPerPixelY()));
    if (geometry != this->geometry()) setGeometry(geometry);
    if (form_.Visible && !isVisible()) show();
    SyncTimer(form_.Timer1, timer1_, timer1Generation_);
    SyncTimer(form_.Timer2, timer2_, timer2Generation_);
    Scene scene = SceneOf(form_);
    if (scene != shown_) {
        shown_ = std::move(scene);
        update();
    }
}

// Every assignment to a model timer restarts its countdown, as it does on
// the platforms the gauge was made for.
void GaugeWindow::SyncTimer(const Timer& model, QTimer& timer, unsigned& generation) {
    if (model.Generation() == generation) return;
    generation = model.Generation();
    if (model.Enabled() && model.Interval() > 0)
        timer.start(model.Interval());
    else
        timer.stop();
}

void GaugeWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!firstShow_) return;
    firstShow_ = false;
    Dispatch([this] {
        form_.Visible = true;
        form_.Resize();
    });
}

QPointF GaugeWindow::ToPixels(float x, float y) const {
    const auto& screen = form_.platform().screen;
    return {x / screen.TwipsPerPixelX(), y / screen.TwipsPerPixelY()};
}

QRectF GaugeWindow::ToPixels(float left, float top, float width, float height) const {
    return {ToPixels(left, top), ToPixels(left + width, top + height)};
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
    const Line& needle = form_.SecZ;
    painter.setPen(QPen(ToQColor(needle.Colour), needle.WidthPixels, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(ToPixels(needle.X1, needle.Y1), ToPixels(needle.X2, needle.Y2));
    // The windowless controls from back to front; the needle lies behind them all.
    DrawLabel(painter, form_.lbl_MEM);
    DrawLabel(painter, form_.MEMLeft);
    DrawLabel(painter, form_.MEMTOP);
    DrawImage(painter, form_.Image2);
    DrawImage(painter, form_.ImgMitte);
    DrawImage(painter, form_.ImgDot1);
    DrawImage(painter, form_.imgDot0);
    DrawLabel(painter, form_.lblHDRAM);
}

void GaugeWindow::DrawLabel(QPainter& painter, const Label& label) const {
    if (!label.Visible) return;
    const QRectF box = ToPixels(label.Left, label.Top, label.Width, label.Height);
    if (!label.Transparent) painter.fillRect(box, ToQColor(form_.BackColor));
    painter.setFont(ToQFont(label.LabelFont));
    const int flags = (label.Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop | Qt::TextWordWrap;
    const QString text = QString::fromStdString(label.Caption);
    if (!label.Enabled) {
        // The classic disabled look: a light emboss under grey text.
        painter.setPen(Qt::white);
        painter.drawText(box.translated(1, 1), flags, text);
        painter.setPen(QColor(128, 128, 128));
    } else {
        painter.setPen(ToQColor(label.ForeColor));
    }
    painter.drawText(box, flags, text);
}

void GaugeWindow::DrawImage(QPainter& painter, const Image& image) const {
    if (!image.Visible) return;
    painter.drawPixmap(ToPixels(image.Left, image.Top), PixmapOf(image.Content));
}

}  // namespace zeltavor::qt
