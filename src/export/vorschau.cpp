#include "export/vorschau.h"

#include "export/picture.h"
#include "model/reader.h"
#include "view/einpassen.h"
#include "view/projection.h"
#include "view/raster.h"
#include "view/renderer.h"

#include <QDir>
#include <QImage>

namespace wyk {

namespace {

// QImageWriter's quality for zlib's fastest compression level.
constexpr int kSchnellePng = 80;

// The resolution the preview states, 100 dots per inch, whether a screen is there or not.
constexpr int kPunkteJeMeter = 3937;

} // namespace

Outcome schreibeVorschau(Module1& m, int groesse, const QString& path) {
    if (const Outcome geschuetzt = modellSchuetzen(m, path); !geschuetzt.isDone()) {
        return geschuetzt;
    }
    QImage bild(groesse, groesse, QImage::Format_RGB16);
    if (bild.isNull()) {
        return Outcome::failed(
            QStringLiteral("Für die Vorschau „%1“ von %2 x %2 Punkten fehlt der Speicher.")
                .arg(QDir::toNativeSeparators(path))
                .arg(groesse));
    }
    bild.setDotsPerMeterX(kPunkteJeMeter);
    bild.setDotsPerMeterY(kPunkteJeMeter);
    const Anzeige nurLinien{false, true, false};
    m.breite = groesse;
    m.hoehe = groesse;
    m.rotwinkel[1] = kStartNeigung;
    m.rotwinkel[3] = kStartDrehung;
    const auto einpassung = einpassen(m, nurLinien, false);
    einpassungAnwenden(m, einpassung.value_or(Einpassung{1.0, groesse / 2, groesse / 2}));
    Raster raster(bild, groesse, groesse);
    szeneZeichnen(raster, m, nurLinien);
    raster.fertig();
    // At most the 16 colours of the palette: as an indexed picture with light compression the
    // PNG is written several times faster than in full colour.
    const QImage farbtafel =
        bild.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    return rasterSchreiben(farbtafel, path, QByteArrayLiteral("png"), kSchnellePng);
}

} // namespace wyk
