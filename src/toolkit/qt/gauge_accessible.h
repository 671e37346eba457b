#pragma once

#include <QAccessibleWidget>

#include "app/form1.h"

namespace zeltavor::qt {

// What a screen reader announces for the instrument: its name and the
// reading as the dial shows it, for example "RAM 45 %".
class GaugeAccessible final : public QAccessibleWidget {
public:
    GaugeAccessible(QWidget* window, const Form1& form);
    QString text(QAccessible::Text kind) const override;

    static QString Reading(const Form1& form);
    // Makes Qt use this interface for the gauge's window.
    static void Install();

private:
    const Form1& form_;
};

}  // namespace zeltavor::qt
