#include "export/batch.h"

#include "export/off.h"
#include "export/picture.h"
#include "model/reader.h"
#include "platform/numbers.h"
#include "view/projection.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QSize>
#include <cstdio>
#include <memory>
#include <optional>

namespace wyk {

namespace {

constexpr int kErfolg = 0;
constexpr int kFehlgeschlagen = 1;
constexpr int kFalscherAufruf = 2;

// The canvas sizes the main window allows; a picture of the start view from a window of
// that size.
constexpr QSize kKleinsteZeichnung(400, 400);
constexpr QSize kGroessteZeichnung(1424, 865);

const char* const kHilfe =
    "Aufruf: wyk-viewer [MODELL]\n"
    "        wyk-viewer --export-off DATEI MODELL\n"
    "        wyk-viewer --export-web DATEI MODELL\n"
    "        wyk-viewer --export-png DATEI [--size BxH] MODELL\n"
    "\n"
    "Ohne Export-Option öffnet wyk-viewer seine Fenster und lädt MODELL, falls angegeben.\n"
    "\n"
    "Optionen:\n"
    "  --export-off DATEI  schreibt MODELL als OFF-Datei DATEI.\n"
    "  --export-web DATEI  schreibt die OFF-Datei DATEI und daneben die HTML-Seite und die\n"
    "                      vier Klassendateien des Applets.\n"
    "  --export-png DATEI  speichert die Anfangsansicht von MODELL als Bild, als PNG oder im\n"
    "                      Format der Endung von DATEI (etwa .bmp, .jpg).\n"
    "  --size BxH          Größe des Bildes in Punkten, 400 bis 1424 x 400 bis 865;\n"
    "                      ohne die Option 400x400.\n"
    "  -h, --help          zeigt diese Hilfe.\n"
    "  -v, --version       zeigt die Version.\n";

enum class Art { Off, Web, Png };

// One export the command line asks for.
struct Auftrag {
    Art art = Art::Off;
    QString ziel;
    QString modell;
    QSize groesse = kKleinsteZeichnung;
};

void ausgeben(std::FILE* strom, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), strom);
    std::fflush(strom);
}

int melden(int code, const QString& text) {
    ausgeben(stderr, QStringLiteral("wyk-viewer: %1\n").arg(text));
    return code;
}

int falscherAufruf(const QString& text) {
    return melden(kFalscherAufruf,
                  text + QStringLiteral("\n„wyk-viewer --help“ zeigt die möglichen Aufrufe."));
}

// The parsed command line.
class Befehlszeile {
public:
    Befehlszeile() {
        parser_.addOptions({hilfe_, version_, off_, web_, png_, groesse_});
        parser_.addPositionalArgument(QStringLiteral("MODELL"), QString());
    }

    bool lesen(const QStringList& arguments) { return parser_.parse(arguments); }

    QString fehler() const {
        const QStringList unbekannt = parser_.unknownOptionNames();
        if (!unbekannt.isEmpty()) {
            const QString name = unbekannt.first();
            return QStringLiteral("Unbekannte Option „%1%2“.")
                .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
        }
        return QStringLiteral("Die Befehlszeile ist fehlerhaft: %1").arg(parser_.errorText());
    }

    bool hilfe() const { return parser_.isSet(hilfe_); }
    bool version() const { return parser_.isSet(version_); }
    bool groesseGesetzt() const { return parser_.isSet(groesse_); }
    QStringList modelle() const { return parser_.positionalArguments(); }

    // Every export the command line asks for.
    QList<Auftrag> exporte() const {
        QList<Auftrag> liste;
        const std::pair<const QCommandLineOption*, Art> arten[] = {
            {&off_, Art::Off}, {&web_, Art::Web}, {&png_, Art::Png}};
        for (const auto& [option, art] : arten) {
            for (const QString& ziel : parser_.values(*option)) {
                liste << Auftrag{art, ziel, {}, kKleinsteZeichnung};
            }
        }
        return liste;
    }

    QString groesse() const { return parser_.value(groesse_); }

private:
    QCommandLineParser parser_;
    QCommandLineOption hilfe_{{QStringLiteral("h"), QStringLiteral("help")}, QString()};
    QCommandLineOption version_{{QStringLiteral("v"), QStringLiteral("version")}, QString()};
    QCommandLineOption off_{QStringLiteral("export-off"), QString(), QStringLiteral("DATEI")};
    QCommandLineOption web_{QStringLiteral("export-web"), QString(), QStringLiteral("DATEI")};
    QCommandLineOption png_{QStringLiteral("export-png"), QString(), QStringLiteral("DATEI")};
    QCommandLineOption groesse_{QStringLiteral("size"), QString(), QStringLiteral("BxH")};
};

bool imBereich(int wert, int kleinster, int groesster) {
    return wert >= kleinster && wert <= groesster;
}

std::optional<QSize> groesseAus(const QString& text) {
    static const QRegularExpression muster(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch treffer = muster.match(text);
    if (!treffer.hasMatch()) {
        return std::nullopt;
    }
    const QSize groesse(treffer.captured(1).toInt(), treffer.captured(2).toInt());
    if (!imBereich(groesse.width(), kKleinsteZeichnung.width(), kGroessteZeichnung.width()) ||
        !imBereich(groesse.height(), kKleinsteZeichnung.height(), kGroessteZeichnung.height())) {
        return std::nullopt;
    }
    return groesse;
}

// The one export of the command line, or the reason why the command line names none.
std::optional<Auftrag> auftragAus(const Befehlszeile& zeile, QString& fehler) {
    const QList<Auftrag> exporte = zeile.exporte();
    const QStringList modelle = zeile.modelle();
    if (exporte.size() != 1) {
        fehler = exporte.isEmpty()
                     ? QStringLiteral("Ohne --export-off, --export-web oder --export-png "
                                      "wird nur ein Modell zum Öffnen angenommen.")
                     : QStringLiteral("Es ist nur eine Export-Option auf einmal möglich.");
        return std::nullopt;
    }
    if (modelle.size() != 1) {
        fehler = modelle.isEmpty() ? QStringLiteral("Es fehlt die Modelldatei.")
                                   : QStringLiteral("Es ist nur eine Modelldatei möglich.");
        return std::nullopt;
    }
    Auftrag auftrag = exporte.first();
    auftrag.modell = modelle.first();
    if (!zeile.groesseGesetzt()) {
        return auftrag;
    }
    if (auftrag.art != Art::Png) {
        fehler = QStringLiteral("--size gilt nur zusammen mit --export-png.");
        return std::nullopt;
    }
    const std::optional<QSize> groesse = groesseAus(zeile.groesse());
    if (!groesse) {
        fehler = QStringLiteral("Die Größe „%1“ ist ungültig: erlaubt sind 400 bis 1424 x 400 "
                                "bis 865, etwa 800x600.")
                     .arg(zeile.groesse());
        return std::nullopt;
    }
    auftrag.groesse = *groesse;
    return auftrag;
}

// The start view of a window whose canvas was resized from 400 x 400 to the given size.
Outcome bildExport(Module1& m, const Auftrag& auftrag) {
    if (const Outcome bereit = init(m); !bereit.isDone()) {
        return bereit;
    }
    m.breite = auftrag.groesse.width();
    m.hoehe = auftrag.groesse.height();
    m.origx = toInteger(m.breite * (200.0 / 400));
    m.origy = toInteger(m.hoehe * (200.0 / 400));
    return schreibeBild(m, auftrag.ziel);
}

Outcome exportieren(Module1& m, const Auftrag& auftrag) {
    switch (auftrag.art) {
    case Art::Web:
        m.htmlsave = true;
        m.javasave = true;
        return schreibeOff(m, auftrag.ziel);
    case Art::Png:
        return bildExport(m, auftrag);
    case Art::Off:
        break;
    }
    return schreibeOff(m, auftrag.ziel);
}

int ausfuehren(const Auftrag& auftrag) {
    const auto m = std::make_unique<Module1>();
    Outcome ergebnis = ladeDatei(*m, auftrag.modell);
    if (ergebnis.isDone()) {
        ergebnis = exportieren(*m, auftrag);
    }
    return ergebnis.isDone() ? kErfolg : melden(kFehlgeschlagen, ergebnis.message());
}

} // namespace

bool istBatch(const QStringList& arguments) {
    Befehlszeile zeile;
    if (!zeile.lesen(arguments)) {
        return true;
    }
    return zeile.hilfe() || zeile.version() || !zeile.exporte().isEmpty() ||
           zeile.groesseGesetzt() || zeile.modelle().size() > 1;
}

int batch(const QStringList& arguments) {
    Befehlszeile zeile;
    if (!zeile.lesen(arguments)) {
        return falscherAufruf(zeile.fehler());
    }
    if (zeile.hilfe()) {
        ausgeben(stdout, QString::fromUtf8(kHilfe));
        return kErfolg;
    }
    if (zeile.version()) {
        ausgeben(stdout, QStringLiteral("wyk-viewer %1\n").arg(QStringLiteral(WYK_VERSION)));
        return kErfolg;
    }
    QString fehler;
    const std::optional<Auftrag> auftrag = auftragAus(zeile, fehler);
    return auftrag ? ausfuehren(*auftrag) : falscherAufruf(fehler);
}

QString modellArgument(const QStringList& arguments) {
    Befehlszeile zeile;
    if (!zeile.lesen(arguments) || zeile.modelle().size() != 1) {
        return {};
    }
    return zeile.modelle().first();
}

} // namespace wyk
