#include "export/picture.h"

#include "export/pdf.h"
#include "export/svg.h"
#include "export/webseite.h"
#include "model/reader.h"
#include "platform/dateischreiben.h"
#include "view/renderer.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <iterator>
#include <optional>

namespace wyk {

namespace {

QString fehler(const QString& path, const QString& grund) {
    return QStringLiteral("Das Bild „%1“ konnte nicht gespeichert werden: %2")
        .arg(QDir::toNativeSeparators(path), grund);
}

// The format the name's extension asks for when the system can write it, else PNG.
QByteArray format(const QString& path) {
    const QByteArray endung = QFileInfo(path).suffix().toLower().toLatin1();
    // PNG is built into Qt: asking for the formats would load every image format plugin.
    if (endung == "png") {
        return endung;
    }
    if (!endung.isEmpty() && QImageWriter::supportedImageFormats().contains(endung)) {
        return endung;
    }
    return QByteArrayLiteral("png");
}

// The vector picture when the name ends in .svg or .pdf, the page when it ends in .html or
// .htm (in any case); nothing for other names.
std::optional<Outcome> alsVektor(const Module1& m, const QString& path) {
    const QString endung = QFileInfo(path).suffix().toLower();
    if (endung == QStringLiteral("svg")) {
        return writeBinaryFile(path, svgBild(m));
    }
    if (endung == QStringLiteral("pdf")) {
        return writeBinaryFile(path, pdfBild(m));
    }
    if (endung == QStringLiteral("html") || endung == QStringLiteral("htm")) {
        const QByteArray seite = webSeite(m);
        if (seite.isEmpty()) {
            return Outcome::failed(
                fehler(path, QStringLiteral("dem Programm fehlt die Vorlage der Webseite")));
        }
        return writeBinaryFile(path, seite);
    }
    return std::nullopt;
}

// The picture types the save dialog offers, PNG first, each with the extension that a name
// without one takes when the type is selected; a PNG keeps the bare name.
struct Bildtyp {
    const char* filter;
    const char* endung;
};
constexpr Bildtyp kBildtypen[] = {{"PNG-Bild (*.png)", ""},
                                  {"SVG-Vektorbild (*.svg)", ".svg"},
                                  {"Webseite (*.html *.htm)", ".html"},
                                  {"PDF-Dokument (*.pdf)", ".pdf"},
                                  {"GIF-Animation (*.gif)", ".gif"}};

// The chosen file's path, with the selected type's extension when the name has none.
QString bildPfad(const DialogWahl& wahl) {
    const bool bekannt = wahl.filter >= 0 && wahl.filter < static_cast<int>(std::size(kBildtypen));
    if (!bekannt || !QFileInfo(wahl.pfad).suffix().isEmpty()) {
        return wahl.pfad;
    }
    return wahl.pfad + QString::fromLatin1(kBildtypen[wahl.filter].endung);
}

} // namespace

QImage zeichnungsBild(Module1& m) {
    zeichnen(m);
    if (m.zebild.isNull()) {
        return {};
    }
    return m.zebild.copy(QRect(QPoint(0, 0), geraeteGroesse(m)))
        .convertToFormat(QImage::Format_RGB16);
}


Outcome savepic(Module1& m, FileDialogs& dialogs) {
    zeichnen(m);
    QStringList filter;
    for (const Bildtyp& typ : kBildtypen) {
        filter << QString::fromUtf8(typ.filter);
    }
    const auto wahl = dialogs.GetSaveFolderItem(QStringLiteral("bild"), filter);
    if (!wahl) {
        return Outcome::cancelled();
    }
    return schreibeBild(m, bildPfad(*wahl));
}

Outcome schreibeBild(Module1& m, const QString& path, const Umlauf& umlauf) {
    if (const Outcome geschuetzt = modellSchuetzen(m, path); !geschuetzt.isDone()) {
        return geschuetzt;
    }
    if (alsUmlauf(path)) {
        return writeBinaryFileStueckweise(path, [&](const GifStueck& stueck) {
            const Outcome bild = gifUmlauf(m, umlauf, stueck);
            return bild.isDone() ? bild : Outcome::failed(fehler(path, bild.message()));
        });
    }
    if (auto vektor = alsVektor(m, path)) {
        return *vektor;
    }
    return rasterSchreiben(zeichnungsBild(m), path, format(path));
}

Outcome rasterSchreiben(const QImage& bild, const QString& path, const QByteArray& format,
                        int qualitaet) {
    if (bild.isNull()) {
        return Outcome::failed(fehler(path, QStringLiteral("es gibt noch keine Zeichnung")));
    }
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&puffer, format);
    writer.setQuality(qualitaet);
    if (!writer.write(bild)) {
        return Outcome::failed(fehler(path, writer.errorString()));
    }
    return writeBinaryFile(path, bytes);
}

} // namespace wyk
