#pragma once

#include <QAccessibleWidget>

namespace zeltavor::qt {

class GaugeWindow;

// What a screen reader announces for the instrument: its name and the
// reading as the dial shows it, for example "RAM 45 %".
class GaugeAccessible final : public QAccessibleWidget {
public:
    explicit GaugeAccessible(GaugeWindow* window);
    QString text(QAccessible::Text kind) const override;

    // Makes Qt use this interface for the gauge's window.
    static void Install();
    static void AnnounceReading(GaugeWindow& window);

private:
    const GaugeWindow& window_;
};

}  // namespace zeltavor::qt
