#include "gauge_accessible.h"

#include <algorithm>

#include "gauge_window.h"
#include "view_painter.h"

namespace zeltavor::qt {

namespace {

// A painted control, described by the window's view.
class PaintedAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PaintedAccessible(GaugeWindow& window, std::size_t index) : window_(window), index_(index) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_.windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(&window_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return {};
        return View().name ? QString::fromUtf8(View().name) : ToQString(window_.view().message);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const PixelRect& place = View().place;
        return {window_.mapToGlobal(QPoint(place.left, place.top)), QSize(place.width, place.height)};
    }
    QAccessible::Role role() const override { return View().button ? QAccessible::Button : QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !View().visible;
        state.offscreen = !View().showing;
        state.focusable = View().button;
        state.focused = View().focused;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return View().button ? QStringList{pressAction()} : QStringList{}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && View().button) window_.Activate(View().id);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const PaintedControlView& View() const { return window_.view().painted.at(index_); }

    GaugeWindow& window_;
    std::size_t index_;
};

}  // namespace

GaugeAccessible::GaugeAccessible(GaugeWindow* window) : QAccessibleWidget(window), window_(*window) {}

void GaugeAccessible::Install() {
    QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
        if (auto* window = dynamic_cast<GaugeWindow*>(object)) return new GaugeAccessible(window);
        return nullptr;
    });
}

void GaugeAccessible::AnnounceReading(GaugeWindow& window) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(&window, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

// A change of showing is told as the control's showing or hiding; the
// message line's new text as its new name.
void GaugeAccessible::Tell(GaugeWindow& window, PaintedControlId control, QAccessible::Event what) {
    if (!QAccessible::isActive()) return;
    const auto& painted = window.view().painted;
    const auto at = std::find_if(painted.begin(), painted.end(), [&](const auto& view) { return view.id == control; });
    const auto* gauge = static_cast<GaugeAccessible*>(QAccessible::queryAccessibleInterface(&window));
    QAccessibleInterface* child = gauge->Painted().at(static_cast<std::size_t>(at - painted.begin()));
    if (what == QAccessible::StateChanged) what = at->showing ? QAccessible::ObjectShow : QAccessible::ObjectHide;
    QAccessibleEvent event(child, what);
    QAccessible::updateAccessibility(&event);
    if (at->name != nullptr || what == QAccessible::Focus) return;
    QAccessibleEvent renamed(child, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

QString GaugeAccessible::text(QAccessible::Text kind) const {
    switch (kind) {
        case QAccessible::Name: return window_.windowTitle();
        case QAccessible::Description: return ToQString(window_.view().reading);
        default: return QAccessibleWidget::text(kind);
    }
}

// The painted children follow the real ones.
const std::vector<QAccessibleInterface*>& GaugeAccessible::Painted() const {
    for (std::size_t index = painted_.size(); index < window_.view().painted.size(); ++index) {
        painted_.push_back(new PaintedAccessible(window_, index));
        QAccessible::registerAccessibleInterface(painted_.back());
    }
    return painted_;
}

int GaugeAccessible::childCount() const {
    return QAccessibleWidget::childCount() + static_cast<int>(Painted().size());
}

QAccessibleInterface* GaugeAccessible::child(int index) const {
    const int real = QAccessibleWidget::childCount();
    if (index < real) return QAccessibleWidget::child(index);
    const auto painted = static_cast<std::size_t>(index - real);
    return painted < Painted().size() ? Painted()[painted] : nullptr;
}

int GaugeAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto found = std::find(Painted().begin(), Painted().end(), child);
    if (found == Painted().end()) return QAccessibleWidget::indexOfChild(child);
    return QAccessibleWidget::childCount() + static_cast<int>(found - Painted().begin());
}

}  // namespace zeltavor::qt
