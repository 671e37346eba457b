#include "options_panel.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

#include "app/form_events.h"
#include "app/scene.h"
#include "control_painter.h"
#include "pictures.h"

namespace zeltavor::qt {

OptionsPanel::OptionsPanel(QWidget& window, Form1& form, Dispatcher dispatch)
    : QWidget(&window),
      form_(form),
      dispatch_(std::move(dispatch)),
      caretFlashTime_(QGuiApplication::styleHints()->cursorFlashTime()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // the hand cursor over the red cross
    for (const PanelControl& control : PanelControlsInFocusOrder(form_)) {
        if (control.box)
            AddTextBox(*control.box, [this, keyPress = control.keyPress](std::int16_t& key) { (form_.*keyPress)(key); });
        else
            AddButton(*control.button, [this, click = control.click] { (form_.*click)(); });
    }
    boxes_.at(0).widget->setAccessibleName("Instrument-Größe (800 bis 2500)");
    boxes_.at(1).widget->setAccessibleName("Anzahl Monitore (höchstens 2)");
    // Neither the panel nor its controls ever move.
    setGeometry(PixelRect(form_.Frame1));
    for (const auto& button : buttons_) button.widget->setGeometry(PixelRect(*button.model));
    for (const auto& box : boxes_) box.widget->setGeometry(PixelRect(*box.model));
    ApplyModel();
}

QRect OptionsPanel::PixelRect(const Control& control) const {
    const zeltavor::PixelRect place = PixelsOf(control, form_.platform().screen);
    return {place.left, place.top, place.width, place.height};
}

void OptionsPanel::AddButton(const Button& model, const std::function<void()>& onClick) {
    auto* button = new QPushButton(this);
    button->setFont(ToQFont(model.ButtonFont));
    connect(button, &QPushButton::clicked, this, [this, onClick] { dispatch_(onClick); });
    buttons_.push_back({&model, button, {}});
}

void OptionsPanel::AddTextBox(TextBox& model, DigitBox::KeyFilter filter) {
    auto* box = new DigitBox(
        this, [this, filter](std::int16_t& key) { dispatch_([&] { filter(key); }); }, model.MaxLength);
    box->setFont(ToQFont(Font{}));
    connect(box, &QLineEdit::textEdited, this, [this, &model](const QString& text) {
        dispatch_([&model, text] { model.Text = text.toStdString(); });
    });
    boxes_.push_back({&model, box, {}});
}

void OptionsPanel::ApplyModel() {
    FollowView();
    for (auto& button : buttons_) {
        if (button.caption != button.model->Caption) {
            button.caption = button.model->Caption;
            button.widget->setText(QString::fromStdString(button.caption));
        }
        if (button.visible != button.model->Visible) {
            button.visible = button.model->Visible;
            button.widget->setVisible(button.visible);
        }
    }
    for (auto& box : boxes_) {
        if (box.text == box.model->Text) continue;
        box.text = box.model->Text;
        // Typing has already put the text there: leave its cursor alone.
        if (const QString text = QString::fromStdString(box.text); box.widget->text() != text)
            box.widget->setText(text);
    }
}

// In the gauge view the panel lies outside the window, yet txtHeight keeps
// the focus: its caret would blink unseen and wake the program twice a second.
// The largest instruments reach a sliver into the panel, never to the box.
void OptionsPanel::FollowView() {
    const bool inSight = form_.Width() > form_.Frame1.Left + form_.txtHeight.Left;
    if (inSight == inSight_) return;
    inSight_ = inSight;
    QGuiApplication::styleHints()->setCursorFlashTime(inSight ? caretFlashTime_ : 0);
}

void OptionsPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(form_.Frame1.BackColor));
    painter.setRenderHint(QPainter::Antialiasing);
    const auto& screen = form_.platform().screen;
    ControlPainter controls(painter, screen.TwipsPerPixelX(), screen.TwipsPerPixelY(), form_.Frame1.BackColor);
    DrawPanelControls(form_, controls);
}

bool OptionsPanel::OverExitCross(QPointF position) const {
    return form_.cmd_EXIT.Visible && QRectF(PixelRect(form_.cmd_EXIT)).contains(position);
}

// A press on the panel stays with the panel: it neither drags the window nor
// opens the options again.
void OptionsPanel::mousePressEvent(QMouseEvent* event) {
    exitPressed_ = event->button() == Qt::LeftButton && OverExitCross(event->position());
    event->accept();
}

void OptionsPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (exitPressed_ && event->button() == Qt::LeftButton && OverExitCross(event->position()))
        dispatch_([this] { form_.cmd_EXIT_Click(); });
    exitPressed_ = false;
    event->accept();
}

void OptionsPanel::mouseMoveEvent(QMouseEvent* event) {
    setCursor(CursorOf(OverExitCross(event->position()) ? form_.cmd_EXIT.Pointer : MousePointer::Default));
    event->accept();
}

}  // namespace zeltavor::qt
