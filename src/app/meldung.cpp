#include "app/meldung.h"

#include <QMessageBox>

namespace wyk {

void warnungZeigen(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QStringLiteral("WYK-Viewer"), text);
}

void melden(const Melder& melder, QWidget* parent, const Outcome& outcome) {
    if (outcome.isFailed() && melder) {
        melder(parent, outcome.message());
    }
}

} // namespace wyk
