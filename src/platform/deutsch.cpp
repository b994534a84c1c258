#include "platform/deutsch.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace wyk {

void deutschLaden(QCoreApplication& app) {
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QLocale::setDefault(deutsch);
    auto* qt = new QTranslator(&app);
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!qt->load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"), ordner)) {
        qWarning("Qts deutsche Texte (qtbase_de.qm) fehlen in %s", qPrintable(ordner));
        delete qt;
        return;
    }
    QCoreApplication::installTranslator(qt);
}

} // namespace wyk
