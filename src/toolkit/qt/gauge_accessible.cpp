#include "gauge_accessible.h"

#include "gauge_window.h"

namespace zeltavor::qt {

GaugeAccessible::GaugeAccessible(QWidget* window, const Form1& form)
    : QAccessibleWidget(window, QAccessible::Indicator, QString::fromStdString(form.Caption)), form_(form) {}

QString GaugeAccessible::Reading(const Form1& form) {
    return QString::fromStdString(std::string(ShownCaption(form.lblHDRAM)) + " " + form.lbl_MEM.Caption).simplified();
}

QString GaugeAccessible::text(QAccessible::Text kind) const {
    switch (kind) {
        case QAccessible::Name: return QString::fromStdString(form_.Caption);
        case QAccessible::Value: return Reading(form_);
        case QAccessible::Description: return "Auslastung von Arbeitsspeicher (RAM) oder Festplatte (HD)";
        default: return QAccessibleWidget::text(kind);
    }
}

void GaugeAccessible::Install() {
    QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
        if (auto* window = dynamic_cast<GaugeWindow*>(object)) return new GaugeAccessible(window, window->form());
        return nullptr;
    });
}

}  // namespace zeltavor::qt
