#include "gauge_accessible.h"

#include "gauge_window.h"

namespace zeltavor::qt {

namespace {
QString Reading(const GaugeWindow& window) { return QString::fromStdString(window.view().reading); }
}  // namespace

GaugeAccessible::GaugeAccessible(GaugeWindow* window)
    : QAccessibleWidget(window, QAccessible::Indicator, window->windowTitle()), window_(*window) {}

QString GaugeAccessible::text(QAccessible::Text kind) const {
    switch (kind) {
        case QAccessible::Name: return window_.windowTitle();
        case QAccessible::Value: return Reading(window_);
        case QAccessible::Description: return "Auslastung von Arbeitsspeicher (RAM) oder Festplatte (HD)";
        default: return QAccessibleWidget::text(kind);
    }
}

void GaugeAccessible::Install() {
    QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
        if (auto* window = dynamic_cast<GaugeWindow*>(object)) return new GaugeAccessible(window);
        return nullptr;
    });
}

void GaugeAccessible::AnnounceReading(GaugeWindow& window) {
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(&window, Reading(window));
    QAccessible::updateAccessibility(&event);
}

}  // namespace zeltavor::qt
