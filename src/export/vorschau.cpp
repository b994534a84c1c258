#include "export/vorschau.h"

#include "export/picture.h"
#include "view/einpassen.h"
#include "view/projection.h"
#include "view/raster.h"
#include "view/renderer.h"

#include <QDir>
#include <QImage>

namespace wyk {

Outcome schreibeVorschau(Module1& m, int groesse, const QString& path) {
    QImage bild(groesse, groesse, QImage::Format_RGB16);
    if (bild.isNull()) {
        return Outcome::failed(
            QStringLiteral("Für die Vorschau „%1“ von %2 x %2 Punkten fehlt der Speicher.")
                .arg(QDir::toNativeSeparators(path))
                .arg(groesse));
    }
    const Anzeige nurLinien{false, true, false};
    m.breite = groesse;
    m.hoehe = groesse;
    m.rotwinkel[1] = kStartNeigung;
    m.rotwinkel[3] = kStartDrehung;
    const auto einpassung = einpassen(m, nurLinien, false);
    einpassungAnwenden(m, einpassung.value_or(Einpassung{1.0, groesse / 2, groesse / 2}));
    Raster raster(bild, groesse, groesse);
    szeneZeichnen(raster, m, nurLinien);
    return rasterSchreiben(bild, path, QByteArrayLiteral("png"));
}

} // namespace wyk
