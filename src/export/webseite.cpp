#include "export/webseite.h"

#include "export/markup.h"
#include "platform/numbers.h"
#include "view/ansichten.h"
#include "view/interaction.h"
#include "view/palette.h"
#include "view/projection.h"
#include "view/renderer.h"
#include "view/zeigen.h"

#include <QColor>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace wyk {

namespace {

// The text of one of the page's parts in the resources, built into the program; nothing when
// the program was built without it.
std::optional<QString> teil(const char* name) {
    QFile datei(QStringLiteral(":/webviewer/") + QLatin1String(name));
    if (!datei.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return QString::fromUtf8(datei.readAll());
}

// A JSON number; the coordinates JSON cannot hold (infinity, NaN) become null.
QString zahl(double wert) {
    return std::isfinite(wert) ? Str(wert) : QStringLiteral("null");
}

QString liste(const QStringList& werte) {
    return QLatin1Char('[') + werte.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString farbText(QRgb farbe) {
    return QLatin1Char('"') + QColor(farbe).name(QColor::HexRgb) + QLatin1Char('"');
}

bool imTabellenbereich(int p) {
    return p >= 0 && p <= kTabellenGrenze;
}

// The moves the scene reads: the model's, and the highlighted one with its predecessor.
int zeilenLinie(const Module1& m) {
    return std::clamp(std::max(m.anzlin, m.debuglinie), 0, kTabellenGrenze);
}

// The point rows the scene reads: the model's, the highlighted ones and every move's target.
int zeilenPunkt(const Module1& m) {
    int letzte = std::max({m.anzpkt, m.debugpkt, m.messpkt});
    for (int l = 1; l <= zeilenLinie(m); ++l) {
        if (imTabellenbereich(m.linie[l][1])) {
            letzte = std::max(letzte, m.linie[l][1]);
        }
    }
    return std::clamp(letzte, 0, kTabellenGrenze);
}

QString punktDaten(const Module1& m) {
    QStringList werte;
    for (int p = 0; p <= zeilenPunkt(m); ++p) {
        for (int k = 1; k <= 3; ++k) {
            werte << zahl(m.punkt[p][k]);
        }
    }
    return liste(werte);
}

QString linienDaten(const Module1& m) {
    QStringList werte;
    for (int l = 0; l <= zeilenLinie(m); ++l) {
        werte << Str(m.linie[l][1]) << Str(m.linie[l][2]);
    }
    return liste(werte);
}

QString zeichenDaten() {
    QStringList zeichen;
    for (const char c : {'x', 'y', 'z'}) {
        QStringList werte;
        for (const QPoint& p : beschriftungsPunkte(QChar::fromLatin1(c))) {
            werte << Str(p.x()) << Str(p.y());
        }
        zeichen << QStringLiteral("\"%1\":%2").arg(QLatin1Char(c)).arg(liste(werte));
    }
    return QLatin1Char('{') + zeichen.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString farbDaten() {
    QStringList werte;
    for (int code = 0; code < 16; ++code) {
        werte << farbText(farbe(code));
    }
    return liste(werte);
}

// The names the page gives an action and the modifiers a key acts with.
QString wirkungsName(Tastenwirkung wirkung) {
    switch (wirkung) {
    case Tastenwirkung::Ziehen:
        return QStringLiteral("ziehen");
    case Tastenwirkung::Zoom:
        return QStringLiteral("zoom");
    case Tastenwirkung::Zuruecksetzen:
        return QStringLiteral("zuruecksetzen");
    case Tastenwirkung::Seite:
        return QStringLiteral("seite");
    case Tastenwirkung::Einpassen:
        return QStringLiteral("einpassen");
    case Tastenwirkung::MessungBeenden:
        return QStringLiteral("messungBeenden");
    case Tastenwirkung::Menue:
        break;
    }
    return QStringLiteral("menue");
}

// In a browser Shift is not asked about: it makes other keys of the keys that care.
QString umschalterName(Tastenumschalter mit) {
    switch (mit) {
    case Tastenumschalter::StrgGegenseite:
        return QStringLiteral("strg");
    case Tastenumschalter::Jede:
        return QStringLiteral("jede");
    default:
        return QStringLiteral("ohneStrg");
    }
}

// The drawing's keys the page takes, by their KeyboardEvent.key: the action, the modifiers,
// the two numbers and, for a standard view, its [turn, tilt] alone and with Ctrl.
QString tastenDaten() {
    const auto winkel = [](const Seite& s) { return liste({zahl(s.drehung), zahl(s.neigung)}); };
    QStringList tasten;
    for (const Zeichnungstaste& t : kZeichnungsTasten) {
        if (t.namen.seite == nullptr) {
            continue;
        }
        QStringList felder{QStringLiteral("\"wirkung\":\"%1\"").arg(wirkungsName(t.wirkung)),
                           QStringLiteral("\"mit\":\"%1\"").arg(umschalterName(t.mit)),
                           QStringLiteral("\"werte\":[%1,%2]").arg(t.werte[0]).arg(t.werte[1])};
        if (t.wirkung == Tastenwirkung::Seite) {
            felder << QStringLiteral("\"seiten\":") +
                          liste({winkel(kSeiten[t.werte[0]]), winkel(kSeiten[t.werte[1]])});
        }
        tasten << QStringLiteral("\"%1\":{%2}")
                      .arg(QLatin1String(t.namen.seite), felder.join(QLatin1Char(',')));
    }
    return QLatin1Char('{') + tasten.join(QLatin1Char(',')) + QLatin1Char('}');
}

// Everything the page's script needs, as JSON of numbers, booleans and fixed names only.
// The script repeats the program's drawing and view rules on these data; each of its
// functions carries the name of its twin here, and the browser test keeps them equal:
//   toInteger                 toInteger (platform/numbers.cpp)
//   basisBei, rotation2       basisBei, rotation2 (view/projection.cpp)
//   projektion                Projektion, through bildlage (view/renderer.cpp)
//   clipSegment               clipSegment (view/raster.cpp)
//   fillRect, fillDisc (its disc rows), drawLine, plot
//                             Raster::fillRect, fillDisc, drawLine, plot and what fertig
//                             draws of them: rechteck, scheibe, linie, punkt (view/raster.cpp)
//   scheibe, strecke, linien, linienMarke, markiertePunkte, achsen, zeichnen
//                             the same in view/renderer.cpp (zeichnen: szeneZeichnen)
//   saturiert, mausRunter, mausZiehen, mausRad, zoomRunter, zoomRauf, zoomText, zuruecksetzen,
//   andereBewegung            the same in view/interaction.cpp (ziehenUm: its drag rule in
//                             mausZiehen, drehen and schieben)
//   Str, strGerundet          Str(double), StrGerundet (platform/numbers.cpp)
//   trefferBei, klicken, messungBeenden, punktText, linienText, messText, trefferText,
//   markenText, linienAnfang, punktAbstand, gezeichneteStrecken, abstandZurStrecke
//                             the same in view/zeigen.cpp
//   einpassen (dazu, passend, mitte), seiteZeigen
//                             einpassen with ganzzahlig (view/einpassen.cpp), seiteZeigen
//                             (view/ansichten.cpp)
//   tastenAktion              zeichnungsTaste and tasteWirken on the rows of kZeichnungsTasten
//                             (view/ansichten.cpp)
QString daten(const Module1& m) {
    const Anzeige a = m.anzeige;
    const auto wahr = [](bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); };
    const std::pair<const char*, QString> felder[] = {
        {"breite", Str(m.breite)},
        {"hoehe", Str(m.hoehe)},
        {"origx", Str(m.origx)},
        {"origy", Str(m.origy)},
        {"zoom", Str(m.zoomfaktor)},
        {"neigung", zahl(m.rotwinkel[1])},
        {"drehung", zahl(m.rotwinkel[3])},
        {"startNeigung", zahl(kStartNeigung)},
        {"startDrehung", zahl(kStartDrehung)},
        {"punkte", wahr(a.punkte)},
        {"linien", wahr(a.linien)},
        {"achsen", wahr(a.achsen)},
        {"anzpkt", Str(m.anzpkt)},
        {"anzlin", Str(m.anzlin)},
        {"debugpkt", Str(m.debugpkt)},
        {"messpkt", Str(m.messpkt)},
        {"debuglinie", Str(m.debuglinie)},
        {"punkt", punktDaten(m)},
        {"linie", linienDaten(m)},
        {"farben", farbDaten()},
        {"weiss", farbText(kWeiss)},
        {"gruen", farbText(kGruen)},
        {"rot", farbText(kRot)},
        {"zeichen", zeichenDaten()},
        {"grenze", Str(kTabellenGrenze)},
        {"weit", zahl(kWeitDraussen)},
        {"ziehStrecke", zahl(kZiehStrecke)},
        {"ziehWinkel", zahl(kZiehWinkel)},
        {"punktScheibe", Str(kPunktScheibe)},
        {"markeScheibe", Str(kMarkeScheibe)},
        {"ursprungScheibe", Str(kUrsprungScheibe)},
        {"markeStift", Str(kMarkeStift)},
        {"achse", zahl(kAchsenLaenge)},
        {"tasten", tastenDaten()},
        {"tastenSchritt", Str(kTastenSchritt)},
        {"punktReichweite", zahl(kPunktReichweite)},
        {"linienReichweite", zahl(kLinienReichweite)},
        {"messStellen", Str(kMessStellen)},
        {"klickWeg", Str(kKlickWeg)},
        {"langesTippen", Str(kLangesTippen)},
    };
    QStringList paare;
    for (const auto& [name, wert] : felder) {
        paare << QStringLiteral("\"%1\":%2").arg(QLatin1String(name), wert);
    }
    return QLatin1Char('{') + paare.join(QStringLiteral(",\n")) + QLatin1Char('}');
}

// The template with each {{NAME}} replaced in one pass, so no inserted text is read again.
QString fuellen(const QString& vorlage, const std::map<QString, QString>& werte) {
    QString aus;
    qsizetype pos = 0;
    while (true) {
        const qsizetype anfang = vorlage.indexOf(QStringLiteral("{{"), pos);
        const qsizetype ende = anfang < 0 ? -1 : vorlage.indexOf(QStringLiteral("}}"), anfang);
        if (ende < 0) {
            return aus + vorlage.mid(pos);
        }
        const auto wert = werte.find(vorlage.mid(anfang + 2, ende - anfang - 2));
        aus += vorlage.mid(pos, anfang - pos);
        aus += wert != werte.end() ? wert->second : vorlage.mid(anfang, ende + 2 - anfang);
        pos = ende + 2;
    }
}

} // namespace

QByteArray webSeite(const Module1& m) {
    const auto vorlage = teil("webviewer.html");
    const auto stil = teil("webviewer.css");
    const auto skript = teil("webviewer.js");
    if (!vorlage || !stil || !skript) {
        return {};
    }
    const std::map<QString, QString> werte = {
        {QStringLiteral("TITEL"), markupText(m.datname)},
        {QStringLiteral("BREITE"), Str(m.breite)},
        {QStringLiteral("HOEHE"), Str(m.hoehe)},
        {QStringLiteral("STIL"), *stil},
        {QStringLiteral("DATEN"), daten(m)},
        {QStringLiteral("SKRIPT"), *skript},
    };
    return fuellen(*vorlage, werte).toUtf8();
}

} // namespace wyk
