#include "app/platzieren.h"

#include <QWidget>

namespace wyk {

void platzieren(QWidget* control, const char* name, const QRect& wo, const QWidget* bezug) {
    control->setObjectName(QString::fromLatin1(name));
    const QPoint ecke =
        bezug != nullptr ? control->parentWidget()->mapTo(bezug, QPoint(0, 0)) : QPoint();
    control->setGeometry(wo.translated(-ecke));
}

} // namespace wyk
