#include "cli/kommandozeile.h"

#include "export/vorschau.h"
#include "platform/dateiname.h"
#include "platform/numbers.h"
#include "view/ansichten.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
#include <array>
#include <cmath>
#include <utility>

namespace wyk {

namespace {

// The drawing sizes the main window allows, as the help and the messages name them.
QString groessen() {
    return QStringLiteral("%1 bis %2 x %3 bis %4")
        .arg(kKleinsteZeichnung.width())
        .arg(kGroessteZeichnung.width())
        .arg(kKleinsteZeichnung.height())
        .arg(kGroessteZeichnung.height());
}

// The smallest --scale: one device pixel per pixel, as a screen of ratio 1 shows the picture.
constexpr double kKleinsteDichte = 1.0;

// The --scale values allowed, as the help and the messages name them.
QString dichten() {
    return QStringLiteral("%1 bis %2").arg(kKleinsteDichte).arg(kGroessteDichte);
}

// The preview sizes allowed, as the help and the messages name them.
QString vorschauGroessen() {
    return QStringLiteral("%1 bis %2").arg(kKleinsteVorschau).arg(kGroessteVorschau);
}

// The numbers of pictures a GIF animation may have, as the help and the messages name them.
QString bilderBereich() {
    return QStringLiteral("%1 bis %2").arg(kMinBilder).arg(kMaxBilder);
}

// The times a picture of a GIF animation may be shown, as the help and the messages name them.
QString dauerBereich() {
    return QStringLiteral("%1 bis %2").arg(kMinDauer).arg(kMaxDauer);
}

QCommandLineOption mitWert(const char* name, const QString& text, const char* wert) {
    return {QString::fromLatin1(name), text, QString::fromLatin1(wert)};
}

QCommandLineOption mitWert(const char* name, const char* text, const char* wert) {
    return mitWert(name, QString::fromUtf8(text), wert);
}

QCommandLineOption schalter(const char* name, const char* text) {
    return {QString::fromLatin1(name), QString::fromUtf8(text)};
}

// The program's options in Qt's parser. Single-dash words read as long options, as Qt's own
// options do (-platform, -style), so "-reverse" is never taken for -r -e -v ...
struct Befehlszeile {
    Befehlszeile() {
        parser.setApplicationDescription(QStringLiteral(
            "Zeigt 3D-Drahtmodelle aus WYK-Dateien und exportiert sie als OFF-Datei, Webseite "
            "oder Bild. Ohne Export-Option öffnen sich die Fenster, mit MODELL geladen."));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions(
            {off, web, png, bild, drehung, neigung, zoom, punkte, ohneLinien, ohneAchsen, groesse});
        parser.addOptions({einpassen, dichte, vorschau, vorschauGroesse, seite, bilder, dauer});
        parser.addOptions({markePunkt, markeLinie, messen});
        parser.addPositionalArgument(QStringLiteral("MODELL"),
                                     QStringLiteral("Die WYK-Modelldatei."),
                                     QStringLiteral("[MODELL]"));
    }

    QCommandLineParser parser;
    QCommandLineOption off = mitWert("export-off", "Schreibt MODELL als OFF-Datei DATEI.", "DATEI");
    QCommandLineOption web = mitWert("export-web",
                                     "Schreibt die OFF-Datei DATEI und daneben die HTML-Seite "
                                     "und die vier Klassendateien des Applets.",
                                     "DATEI");
    QCommandLineOption png = mitWert("export-png", "Wie --export-picture.", "DATEI");
    QCommandLineOption bild =
        mitWert("export-picture",
                "Speichert die Ansicht von MODELL als Bild DATEI, im Format "
                "der Endung: .svg und .pdf als Vektorgrafik, .html oder .htm als "
                "Seite zum Drehen, .gif als Animation einer vollen Drehung "
                "um die senkrechte Achse, sonst als Rasterbild (.png, .bmp, .jpg "
                "...; PNG bei unbekannter Endung).",
                "DATEI");
    QCommandLineOption drehung =
        mitWert("turn",
                QStringLiteral("Drehung um die z-Achse im Bogenmaß (sonst %1).").arg(kStartDrehung),
                "WINKEL");
    QCommandLineOption neigung =
        mitWert("tilt", QStringLiteral("Neigung im Bogenmaß (sonst %1).").arg(kStartNeigung),
                "WINKEL");
    QCommandLineOption zoom =
        mitWert("zoom",
                QStringLiteral("Bildpunkte je Modelleinheit, eine ganze Zahl ab 1 (sonst %1).")
                    .arg(kStartZoom),
                "N");
    QCommandLineOption punkte = schalter("points", "Zeichnet auch die Punkte.");
    QCommandLineOption ohneLinien = schalter("no-lines", "Zeichnet die Strecken nicht.");
    QCommandLineOption ohneAchsen = schalter("no-axes", "Zeichnet die Achsen nicht.");
    QCommandLineOption groesse{QStringLiteral("size"),
                               QStringLiteral("Größe des Bildes in Bildpunkten, %1 (sonst %2x%3).")
                                   .arg(groessen())
                                   .arg(kKleinsteZeichnung.width())
                                   .arg(kKleinsteZeichnung.height()),
                               QStringLiteral("BxH")};
    QCommandLineOption einpassen = schalter(
        "fit", "Wählt Zoom und Ursprung so, dass das ganze Modell mittig ins Bild passt, nach "
               "den übrigen Ansichtsoptionen (nicht mit --zoom).");
    QCommandLineOption dichte =
        mitWert("scale",
                QStringLiteral("Zeichnet das Bild R-mal so groß, wie ein Bildschirm mit R "
                               "Gerätepixeln je Bildpunkt es zeigt: ein Rasterbild mit R-mal so "
                               "vielen Pixeln, SVG und PDF R-mal so groß; %1, auch mit "
                               "Nachkommastellen (sonst %2).")
                    .arg(dichten())
                    .arg(Ansicht{}.dichte),
                "R");
    QCommandLineOption vorschau = mitWert("export-thumbnail",
                                          "Schreibt die Vorschau von MODELL für Dateimanager als "
                                          "PNG-Datei DATEI: die Strecken in der Startansicht, "
                                          "eingepasst, ohne Achsen.",
                                          "DATEI");
    QCommandLineOption vorschauGroesse =
        mitWert("thumbnail-size",
                QStringLiteral("Breite und Höhe der Vorschau in Bildpunkten, %1 (sonst %2).")
                    .arg(vorschauGroessen())
                    .arg(Plan{}.vorschau),
                "N");

    QCommandLineOption seite = mitWert("view",
                                       "Standardansicht: front, back, right, left, top, bottom "
                                       "oder start (nicht mit --turn oder --tilt).",
                                       "NAME");
    QCommandLineOption bilder =
        mitWert("frames",
                QStringLiteral("Bilder der GIF-Animation in einer vollen Drehung, %1 (sonst %2).")
                    .arg(bilderBereich())
                    .arg(Umlauf{}.bilder),
                "N");
    QCommandLineOption dauer =
        mitWert("frame-time",
                QStringLiteral("Zeit jedes Bildes der GIF-Animation in Millisekunden, %1 (sonst "
                               "%2), auf Hundertstelsekunden gerundet.")
                    .arg(dauerBereich())
                    .arg(Umlauf{}.dauer),
                "MS");

    QCommandLineOption markePunkt = mitWert(
        "mark-point", "Markiert den Punkt N wie die Wahl seiner Zeile im Debug-Fenster.", "N");
    QCommandLineOption markeLinie = mitWert(
        "mark-move", "Markiert die Linie N wie die Wahl seiner Zeile im Debug-Fenster.", "N");
    QCommandLineOption messen =
        mitWert("measure-to",
                "Misst vom Punkt aus --mark-point zum Punkt N: beide tragen die Markierung.", "N");

    // The options that only a picture export takes.
    std::array<const QCommandLineOption*, 15> ansicht() const {
        return {&drehung,    &neigung, &zoom,       &punkte,     &ohneLinien,
                &ohneAchsen, &groesse, &einpassen,  &dichte,     &seite,
                &bilder,     &dauer,   &markePunkt, &markeLinie, &messen};
    }
};

Plan fehler(const QString& text) {
    Plan plan;
    plan.modus = Modus::Fehler;
    plan.fehler = text;
    return plan;
}

Plan leseFehler(const QCommandLineParser& parser) {
    const QStringList unbekannt = parser.unknownOptionNames();
    if (unbekannt.isEmpty()) {
        return fehler(
            QStringLiteral("Die Befehlszeile ist fehlerhaft: %1").arg(parser.errorText()));
    }
    const QString& name = unbekannt.first();
    return fehler(QStringLiteral("Unbekannte Option „%1%2“.")
                      .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
}

std::optional<double> winkelAus(const QString& text) {
    bool ok = false;
    const double winkel = text.toDouble(&ok);
    return ok && std::isfinite(winkel) ? std::optional(winkel) : std::nullopt;
}

std::optional<double> dichteAus(const QString& text) {
    bool ok = false;
    const double dichte = text.toDouble(&ok);
    return ok && dichte >= kKleinsteDichte && dichte <= kGroessteDichte ? std::optional(dichte)
                                                                          : std::nullopt;
}

std::optional<int> zoomAus(const QString& text) {
    bool ok = false;
    const int zoom = text.toInt(&ok);
    return ok && zoom >= 1 ? std::optional(zoom) : std::nullopt;
}

bool imBereich(int wert, int kleinster, int groesster) {
    return wert >= kleinster && wert <= groesster;
}

std::optional<int> nummerAus(const QString& text) {
    bool ok = false;
    const int nummer = text.toInt(&ok);
    return ok && imBereich(nummer, 1, kTabellenGrenze) ? std::optional(nummer) : std::nullopt;
}

std::optional<int> vorschauAus(const QString& text) {
    bool ok = false;
    const int groesse = text.toInt(&ok);
    return ok && imBereich(groesse, kKleinsteVorschau, kGroessteVorschau) ? std::optional(groesse)
                                                                          : std::nullopt;
}

std::optional<const Seite*> seiteAus(const QString& text) {
    const Seite* seite = seiteNamens(text);
    return seite != nullptr ? std::optional(seite) : std::nullopt;
}

std::optional<int> bilderAus(const QString& text) {
    bool ok = false;
    const int bilder = text.toInt(&ok);
    return ok && imBereich(bilder, kMinBilder, kMaxBilder) ? std::optional(bilder) : std::nullopt;
}

std::optional<int> dauerAus(const QString& text) {
    bool ok = false;
    const int dauer = text.toInt(&ok);
    return ok && imBereich(dauer, kMinDauer, kMaxDauer) ? std::optional(dauer) : std::nullopt;
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

// Reads the value of option, when given, into ziel; a malformed value adds a message to
// falsch that names it and what is expected.
template <class T>
void lesen(const QCommandLineParser& parser, const QCommandLineOption& option,
           std::optional<T> (*umwandeln)(const QString&), std::optional<T>& ziel,
           const QString& erwartet, QStringList& falsch) {
    if (!parser.isSet(option)) {
        return;
    }
    ziel = umwandeln(parser.value(option));
    if (!ziel) {
        falsch << QStringLiteral("Der Wert „%1“ von --%2 ist ungültig: %3")
                      .arg(parser.value(option), option.names().first(), erwartet);
    }
}

// The view options of a picture export, added to plan.
Plan mitAnsicht(Plan plan, const Befehlszeile& zeile) {
    const QCommandLineParser& p = zeile.parser;
    Ansicht& a = plan.ansicht;
    QStringList falsch;
    lesen(p, zeile.drehung, winkelAus, a.drehung, "erwartet wird ein Winkel im Bogenmaß, etwa 1.5.",
          falsch);
    lesen(p, zeile.neigung, winkelAus, a.neigung, "erwartet wird ein Winkel im Bogenmaß, etwa 0.3.",
          falsch);
    lesen(p, zeile.zoom, zoomAus, a.zoom, "erwartet wird eine ganze Zahl ab 1.", falsch);
    std::optional<QSize> groesse;
    lesen(p, zeile.groesse, groesseAus, groesse,
          QStringLiteral("erlaubt sind %1, etwa 800x600.").arg(groessen()), falsch);
    std::optional<double> dichte;
    lesen(p, zeile.dichte, dichteAus, dichte,
          QStringLiteral("erlaubt ist eine Zahl von %1, etwa 1.5.").arg(dichten()), falsch);
    if (dichte && QStringList{"html", "htm"}.contains(QFileInfo(plan.ziel).suffix().toLower())) {
        falsch << QStringLiteral("--scale gilt für Raster-, SVG- und PDF-Bilder, nicht für die "
                                 "Webseite: sie zeichnet selbst in den Pixeln des Bildschirms.");
    }
    if (p.isSet(zeile.einpassen) && p.isSet(zeile.zoom)) {
        falsch << QStringLiteral("--fit wählt den Zoom selbst und geht nicht zusammen mit --zoom.");
    }
    std::optional<const Seite*> seite;
    lesen(p, zeile.seite, seiteAus, seite,
          "erlaubt sind front, back, right, left, top, bottom und start.", falsch);
    if (p.isSet(zeile.seite) && (p.isSet(zeile.drehung) || p.isSet(zeile.neigung))) {
        falsch << QStringLiteral("--view legt beide Winkel fest und geht nicht zusammen mit "
                                 "--turn oder --tilt.");
    }
    std::optional<int> bilder;
    std::optional<int> dauer;
    lesen(p, zeile.bilder, bilderAus, bilder,
          QStringLiteral("erlaubt ist eine ganze Zahl von %1.").arg(bilderBereich()), falsch);
    lesen(p, zeile.dauer, dauerAus, dauer,
          QStringLiteral("erlaubt ist eine ganze Zahl von %1.").arg(dauerBereich()), falsch);
    if ((p.isSet(zeile.bilder) || p.isSet(zeile.dauer)) && !alsUmlauf(plan.ziel)) {
        falsch << QStringLiteral("--frames und --frame-time gelten nur für eine GIF-Animation "
                                 "(--export-picture DATEI.gif).");
    }
    std::optional<int> markePunkt;
    std::optional<int> markeLinie;
    std::optional<int> messen;
    const QString nummer =
        QStringLiteral("erlaubt ist eine ganze Zahl von 1 bis %1.").arg(kTabellenGrenze);
    lesen(p, zeile.markePunkt, nummerAus, markePunkt, nummer, falsch);
    lesen(p, zeile.markeLinie, nummerAus, markeLinie, nummer, falsch);
    lesen(p, zeile.messen, nummerAus, messen, nummer, falsch);
    if (p.isSet(zeile.messen) && !p.isSet(zeile.markePunkt)) {
        falsch << QStringLiteral("--measure-to misst vom Punkt aus --mark-point und geht nur "
                                 "zusammen mit ihm.");
    } else if (messen && messen == markePunkt) {
        falsch << QStringLiteral("--measure-to braucht einen anderen Punkt als --mark-point.");
    }
    if (!falsch.isEmpty()) {
        return fehler(falsch.join(QLatin1Char('\n')));
    }
    a.debugpkt = markePunkt.value_or(0);
    a.messpkt = messen.value_or(0);
    a.debuglinie = markeLinie.value_or(0);
    if (seite) {
        a.drehung = (*seite)->drehung;
        a.neigung = (*seite)->neigung;
    }
    a.umlauf = {bilder.value_or(a.umlauf.bilder), dauer.value_or(a.umlauf.dauer)};
    a.groesse = groesse.value_or(kKleinsteZeichnung);
    a.einpassen = p.isSet(zeile.einpassen);
    a.dichte = dichte.value_or(1.0);
    a.anzeige = {p.isSet(zeile.punkte), !p.isSet(zeile.ohneLinien), !p.isSet(zeile.ohneAchsen)};
    return plan;
}

// The size of a preview, when the plan is one.
Plan mitVorschau(Plan plan, const Befehlszeile& zeile) {
    QStringList falsch;
    std::optional<int> groesse;
    lesen(zeile.parser, zeile.vorschauGroesse, vorschauAus, groesse,
          QStringLiteral("erlaubt ist eine ganze Zahl von %1.").arg(vorschauGroessen()), falsch);
    if (!falsch.isEmpty()) {
        return fehler(falsch.first());
    }
    plan.vorschau = groesse.value_or(plan.vorschau);
    return plan;
}

// The first view option given, or null.
const QCommandLineOption* ansichtGesetzt(const Befehlszeile& zeile) {
    for (const QCommandLineOption* option : zeile.ansicht()) {
        if (zeile.parser.isSet(*option)) {
            return option;
        }
    }
    return nullptr;
}

Plan exportPlan(const Befehlszeile& zeile) {
    const QCommandLineParser& p = zeile.parser;
    QList<std::pair<Exportart, QString>> exporte;
    const std::pair<const QCommandLineOption*, Exportart> arten[] = {
        {&zeile.off, Exportart::Off},
        {&zeile.web, Exportart::Web},
        {&zeile.png, Exportart::Bild},
        {&zeile.bild, Exportart::Bild},
        {&zeile.vorschau, Exportart::Vorschau}};
    for (const auto& [option, art] : arten) {
        for (const QString& ziel : p.values(*option)) {
            exporte.append({art, ziel});
        }
    }
    const QStringList modelle = p.positionalArguments();
    if (exporte.size() > 1) {
        return fehler(QStringLiteral("Es ist nur eine Export-Option auf einmal möglich."));
    }
    if (modelle.size() > 1) {
        return fehler(QStringLiteral("Es ist nur eine Modelldatei möglich."));
    }
    const QCommandLineOption* ansicht = ansichtGesetzt(zeile);
    if (ansicht != nullptr && (exporte.isEmpty() || exporte.first().first != Exportart::Bild)) {
        return fehler(QStringLiteral("--%1 gilt nur zusammen mit --export-picture oder "
                                     "--export-png.")
                          .arg(ansicht->names().first()));
    }
    if (p.isSet(zeile.vorschauGroesse) &&
        (exporte.isEmpty() || exporte.first().first != Exportart::Vorschau)) {
        return fehler(QStringLiteral("--thumbnail-size gilt nur zusammen mit --export-thumbnail."));
    }
    Plan plan;
    QString grund;
    const auto modell = dateiAusArgument(modelle.value(0), grund);
    if (!modell) {
        return fehler(grund);
    }
    plan.modell = *modell;
    if (exporte.isEmpty()) {
        return plan;
    }
    if (modelle.isEmpty()) {
        return fehler(QStringLiteral("Es fehlt die Modelldatei."));
    }
    plan.modus = Modus::Export;
    std::tie(plan.art, plan.ziel) = exporte.first();
    if (plan.ziel.isEmpty()) {
        return fehler(QStringLiteral("Der Name der Ausgabedatei ist leer."));
    }
    if (plan.art == Exportart::Vorschau) {
        return mitVorschau(plan, zeile);
    }
    return plan.art == Exportart::Bild ? mitAnsicht(plan, zeile) : plan;
}

// The plan of a command line that Qt's parser accepted.
Plan gelesen(const Befehlszeile& zeile) {
    Plan plan;
    if (zeile.parser.isSet(QStringLiteral("version"))) {
        plan.modus = Modus::Version;
        return plan;
    }
    if (zeile.parser.isSet(QStringLiteral("help")) ||
        zeile.parser.isSet(QStringLiteral("help-all"))) {
        plan.modus = Modus::Hilfe;
        return plan;
    }
    return exportPlan(zeile);
}

// The raw command line, Qt's options still in it, in the program's parser. Where those are
// present the parse fails; what matters then is only which of the program's options were
// recognised.
struct RoheZeile {
    RoheZeile(int argc, char** argv) {
        QStringList roh;
        for (int i = 0; i < argc; ++i) {
            roh << QString::fromLocal8Bit(argv[i]);
        }
        angenommen = zeile.parser.parse(roh);
    }

    Befehlszeile zeile;
    bool angenommen = false;
};

} // namespace

// What follows every message about a wrong call.
QString mitHinweis(const QString& fehler) {
    return fehler + QStringLiteral("\n„wyk-viewer --help“ zeigt die möglichen Aufrufe.");
}

Plan planAus(const QStringList& arguments) {
    Befehlszeile zeile;
    Plan plan = zeile.parser.parse(arguments) ? gelesen(zeile) : leseFehler(zeile.parser);
    if (plan.modus == Modus::Fehler) {
        plan.fehler = mitHinweis(plan.fehler);
    }
    return plan;
}

QString markenFehler(const Ansicht& ansicht, const Modell& m) {
    const std::tuple<int, const char*, int, const char*> marken[] = {
        {ansicht.debugpkt, "mark-point", m.anzpkt, "Punkte"},
        {ansicht.messpkt, "measure-to", m.anzpkt, "Punkte"},
        {ansicht.debuglinie, "mark-move", m.anzlin, "Linien"}};
    for (const auto& [nummer, option, anzahl, was] : marken) {
        if (nummer > anzahl) {
            return mitHinweis(
                QStringLiteral("Das Modell „%1“ hat %2 %3: --%4 %5 gibt es darin nicht.")
                    .arg(m.datname, Str(anzahl), QLatin1String(was), QLatin1String(option),
                         Str(nummer)));
        }
    }
    return {};
}

bool eigeneOptionGenannt(int argc, char** argv) {
    return !RoheZeile(argc, argv).zeile.parser.optionNames().isEmpty();
}

bool ohneOberflaeche(int argc, char** argv) {
    const RoheZeile roh(argc, argv);
    const QCommandLineParser& p = roh.zeile.parser;
    return roh.angenommen && !p.optionNames().isEmpty() && !p.isSet(QStringLiteral("help-all"));
}

void hilfeOderVersionZeigen(const QStringList& arguments) {
    Befehlszeile zeile;
    zeile.parser.process(arguments); // ends the program for --help, --help-all and --version
    zeile.parser.showHelp(0);
}

} // namespace wyk
