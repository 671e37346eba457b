#pragma once

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace zeltavor::qt {

class GaugeWindow;

// Stand-ins for the painted controls that act or speak, at their places in
// the view, painting nothing and letting the mouse through to the window: a
// screen reader finds them, hears as they show, hide, take the focus or are
// renamed, and presses the buttons, as Qt tells of its own widgets.
class PaintedButton final : public QAbstractButton {
public:
    using QAbstractButton::QAbstractButton;
    void paintEvent(QPaintEvent*) override {}
};
class MessageLine final : public QWidget {
public:
    using QWidget::QWidget;
};

// What a screen reader finds of the instrument: a label named "Zeltavor"
// whose description is the reading as the dial shows it ("RAM 45 %"), with
// the panel's controls and the stand-ins of the painted ones as its
// children. It offers no value to set: nobody sets a reading by hand.
class GaugeAccessible final : public QAccessibleWidget {
public:
    explicit GaugeAccessible(GaugeWindow* window);
    // Makes Qt use this interface for the gauge's window, and the
    // notification role for the message line.
    static void Install();
    static void AnnounceReading(GaugeWindow& window);

    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QString text(QAccessible::Text kind) const override;

private:
    GaugeWindow& window_;
};

}  // namespace zeltavor::qt
