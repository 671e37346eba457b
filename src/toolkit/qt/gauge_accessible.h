#pragma once

#include <QAccessibleWidget>
#include <vector>

#include "frontend/view.h"

namespace zeltavor::qt {

class GaugeWindow;

// What a screen reader finds of the instrument: a label named "Zeltavor"
// whose description is the reading as the dial shows it ("RAM 45 %"), with
// the panel's real controls and the painted ones that act or speak (the red
// cross, the source dots, the message line) as its children. It offers no
// value to set: nobody sets a reading by hand.
class GaugeAccessible final : public QAccessibleWidget {
public:
    explicit GaugeAccessible(GaugeWindow* window);
    // Makes Qt use this interface for the gauge's window.
    static void Install();
    static void AnnounceReading(GaugeWindow& window);
    // A painted control took the focus, or appeared, disappeared or was renamed.
    static void Tell(GaugeWindow& window, PaintedControlId control, QAccessible::Event what);

    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QString text(QAccessible::Text kind) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    const std::vector<QAccessibleInterface*>& Painted() const;

    GaugeWindow& window_;
    mutable std::vector<QAccessibleInterface*> painted_;  // registered with Qt, which owns them
};

}  // namespace zeltavor::qt
