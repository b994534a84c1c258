#include "app/meldung.h"

#include <QMessageBox>

namespace wyk {

void warnungZeigen(QWidget* parent, const QString& text) {
    // Plain text: a file name holding markup is shown as it is written.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("WYK-Viewer"), text, QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void melden(const Melder& melder, QWidget* parent, const Outcome& outcome) {
    if (outcome.isFailed() && melder) {
        melder(parent, outcome.message());
    }
}

} // namespace wyk
