#include "app/einstellungen.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <utility>

namespace wyk {

namespace {

const QString kFenster = QStringLiteral("Fenster/Groesse");
const QString kEinpassen = QStringLiteral("Fenster/BeimLadenEinpassen");
const QString kOrdner = QStringLiteral("Modell/Ordner");

} // namespace

Einstellungen::Einstellungen(QString pfad) : pfad_(std::move(pfad)) {}

QString Einstellungen::standardPfad() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/wyk-viewer/wyk-viewer.conf");
}

std::optional<QSize> Einstellungen::fenster() const {
    const QSettings datei(pfad_, QSettings::IniFormat);
    const QSize groesse = datei.value(kFenster).toSize();
    if (datei.status() != QSettings::NoError || !groesse.isValid()) {
        return std::nullopt;
    }
    return groesse;
}

bool Einstellungen::einpassen() const {
    const QSettings datei(pfad_, QSettings::IniFormat);
    return datei.status() == QSettings::NoError &&
           datei.value(kEinpassen).toString() == QLatin1String("true");
}

QString Einstellungen::ordner() const {
    const QSettings datei(pfad_, QSettings::IniFormat);
    const QString ordner = datei.value(kOrdner).toString();
    if (datei.status() != QSettings::NoError || !QDir::isAbsolutePath(ordner) ||
        !QFileInfo(ordner).isDir()) {
        return {};
    }
    return ordner;
}

void Einstellungen::merken(QSize fenster, const QString& ordner, bool einpassen) const {
    QSettings datei(pfad_, QSettings::IniFormat);
    datei.setValue(kFenster, fenster);
    datei.setValue(kEinpassen, einpassen);
    if (!ordner.isEmpty()) {
        datei.setValue(kOrdner, ordner);
    }
    datei.sync(); // where the file cannot be written, nothing more happens
}

} // namespace wyk
