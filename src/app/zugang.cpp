#include "app/zugang.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace wyk {

namespace {

QAccessibleInterface* zugang(const QString& klasse, QObject* objekt) {
    auto* widget = qobject_cast<QWidget*>(objekt);
    if (widget == nullptr) {
        return nullptr;
    }
    if (klasse == QLatin1String("wyk::Canvas")) {
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    }
    if (klasse == QLatin1String("wyk::WINhaupt") || klasse == QLatin1String("wyk::WINdebug")) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void zugangEinrichten() {
    QAccessible::installFactory(&zugang);
}

} // namespace wyk
