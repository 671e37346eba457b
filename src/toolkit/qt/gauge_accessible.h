#pragma once

#include <QAccessibleWidget>
#include <vector>

namespace zeltavor::qt {

class GaugeWindow;

// What a screen reader finds of the instrument: a level from 0 to 100 named
// "Zeltavor" that carries the reading as the dial shows it ("RAM 45 %"),
// with the panel's real controls and the painted ones that act or speak
// (the red cross, the source dots, the message line) as its children.
class GaugeAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit GaugeAccessible(GaugeWindow* window);
    // Makes Qt use this interface for the gauge's window.
    static void Install();
    static void AnnounceReading(GaugeWindow& window);

    QAccessible::Role role() const override { return QAccessible::ProgressBar; }
    QString text(QAccessible::Text kind) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}  // a reading is not set by hand
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 0; }

private:
    const std::vector<QAccessibleInterface*>& Painted() const;

    GaugeWindow& window_;
    mutable std::vector<QAccessibleInterface*> painted_;  // registered with Qt, which owns them
};

}  // namespace zeltavor::qt
