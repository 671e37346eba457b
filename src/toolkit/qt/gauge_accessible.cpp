#include "gauge_accessible.h"

#include "gauge_window.h"
#include "view_painter.h"

namespace zeltavor::qt {

GaugeAccessible::GaugeAccessible(GaugeWindow* window) : QAccessibleWidget(window), window_(*window) {}

void GaugeAccessible::Install() {
    QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
        if (auto* window = dynamic_cast<GaugeWindow*>(object)) return new GaugeAccessible(window);
        if (auto* line = dynamic_cast<MessageLine*>(object)) return new QAccessibleWidget(line, QAccessible::Notification);
        return nullptr;
    });
}

void GaugeAccessible::AnnounceReading(GaugeWindow& window) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(&window, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QString GaugeAccessible::text(QAccessible::Text kind) const {
    switch (kind) {
        case QAccessible::Name: return window_.windowTitle();
        case QAccessible::Description: return ToQString(window_.view().reading);
        default: return QAccessibleWidget::text(kind);
    }
}

}  // namespace zeltavor::qt
