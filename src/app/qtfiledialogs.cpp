#include "app/qtfiledialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <algorithm>

namespace wyk {

namespace {

// QFileDialog::getOpenFileName or getSaveFileName.
using Dialog = QString (*)(QWidget*, const QString&, const QString&, const QString&, QString*,
                           QFileDialog::Options);

// Shows the dialog with what it offers; the chosen file with the index of the file type
// selected, nothing on cancel.
std::optional<DialogWahl> zeigen(Dialog dialog, const QString& titel,
                                 const DialogAngebot& angebot) {
    QString typ = angebot.filter.value(0);
    const QString pfad = dialog(QApplication::activeWindow(), titel, angebot.ort,
                                angebot.filter.join(QStringLiteral(";;")), &typ, {});
    if (pfad.isEmpty()) {
        return std::nullopt;
    }
    return DialogWahl{pfad, static_cast<int>(std::max<qsizetype>(0, angebot.filter.indexOf(typ)))};
}

} // namespace

std::optional<DialogWahl> QtFileDialogs::oeffnen(const DialogAngebot& angebot) {
    return zeigen(&QFileDialog::getOpenFileName, QStringLiteral("Modell laden"), angebot);
}

std::optional<DialogWahl> QtFileDialogs::speichern(const DialogAngebot& angebot) {
    return zeigen(&QFileDialog::getSaveFileName, QStringLiteral("Speichern unter"), angebot);
}

} // namespace wyk
