#include "window_role.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace zephyrod::ui {
namespace {

constexpr char kWindowRoleProperty[] = "zephyrodAccessibleWindow";

QAccessibleInterface* WindowInterface(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow() ||
        !widget->property(kWindowRoleProperty).toBool()) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void AnnounceAsWindow(QWidget* window) {
    static const bool installed = [] {
        QAccessible::installFactory(&WindowInterface);
        return true;
    }();
    static_cast<void>(installed);
    window->setProperty(kWindowRoleProperty, true);
}

}  // namespace zephyrod::ui
