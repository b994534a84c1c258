#include "export/pdf.h"
#include "export/picture.h"
#include "export/svg.h"
#include "exporthelfer.h"
#include "platform/numbers.h"
#include "support/werkzeug.h"
#include "view/ansichten.h"
#include "view/interaction.h"
#include "view/palette.h"
#include "view/projection.h"
#include "view/zeigen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPolygonF>
#include <QProcess>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTransform>
#include <deque>
#include <ranges>

namespace wyk {
namespace {

using test::Ansicht;
using test::einrichten;
using test::kAnsichten;

// The share of a's lit pixels that have a lit pixel of like colour within one pixel in b;
// antialiasing dims a colour but keeps the ratio of its components.
double getroffen(const QImage& a, const QImage& b) {
    const auto anteile = [](QRgb c) {
        const double hell = std::max({qRed(c), qGreen(c), qBlue(c)});
        return std::array{qRed(c) / hell, qGreen(c) / hell, qBlue(c) / hell, hell};
    };
    const auto gleich = [](const auto& p, const auto& q) {
        const auto nah = [&](std::size_t k) { return std::abs(p[k] - q[k]) < 0.35; };
        return q[3] >= 60 && nah(0) && nah(1) && nah(2);
    };
    int lit = 0;
    int treffer = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const auto p = anteile(a.pixel(x, y));
            bool gefunden = p[3] < 60; // a dark pixel needs no match
            for (int j = y - 1; j <= y + 1; ++j) {
                for (int i = x - 1; i <= x + 1; ++i) {
                    gefunden |= b.valid(i, j) && gleich(p, anteile(b.pixel(i, j)));
                }
            }
            lit += p[3] >= 60 ? 1 : 0;
            treffer += p[3] >= 60 && gefunden ? 1 : 0;
        }
    }
    return lit == 0 ? 0.0 : static_cast<double>(treffer) / lit;
}

template <typename... Werte> QString zahlen(Werte... werte) {
    return QStringList{QString::number(std::round(werte * 1e4) / 1e4 + 0.0)...}.join(' ');
}

// The shapes a PDF's page paints, in drawing pixels: "clip" (a path ended unpainted, after W),
// "fill COLOUR" or "stroke COLOUR WIDTH CAP JOIN", then "rect x y w h", "disc cx cy rx ry",
// "line ax ay bx by" or the path's operators.
QString pdfZeichnung(const QByteArray& pdf) {
    static const QRegularExpression box("/MediaBox \\[(\\S+) (\\S+) (\\S+) (\\S+) *\\]");
    static const QRegularExpression inhalt("/Contents (\\d+) 0 R");
    const QRegularExpressionMatch b = box.match(pdf);
    const QPointF ecke(b.captured(1).toDouble(), b.captured(4).toDouble()); // top left, in pt
    const QByteArray objekt = '\n' + inhalt.match(pdf).captured(1).toLatin1() + " 0 obj";
    const qsizetype anfang = pdf.indexOf("stream\n", pdf.indexOf(objekt)) + 7;
    const QByteArray strom = pdf.mid(anfang, pdf.indexOf("endstream", anfang) - anfang);
    const QByteArray text = qUncompress(QByteArray("\0\x10\0\0", 4) + strom);
    QStringList formen;
    QTransform ctm;        // Qt sets it once, before any q
    QList<double> w;       // the operands
    QList<QPointF> punkte; // the path's, in pixels, downwards
    QString pfad, fuellung, strich;
    double breite = 1;
    int kappe = 0, fuge = 0;
    const auto ort = [&](double x, double y) {
        const QPointF p = ctm.map(QPointF(x, y)) - ecke;
        punkte << QPointF(p.x(), -p.y()) / 0.75;
    };
    for (const QByteArray& t : text.simplified().split(' ')) {
        bool istZahl = false;
        const double wert = t.toDouble(&istZahl);
        if (istZahl || t.startsWith('/') || t.startsWith('[')) { // names are not needed
            w << (istZahl ? QList<double>{wert} : QList<double>());
            continue;
        }
        const qsizetype n = w.size();
        if (t == "cm") {
            ctm = QTransform(w[0], w[1], w[2], w[3], w[4], w[5]) * ctm;
        } else if (t == "m" || t == "l" || t == "c") {
            ort(w[n - 2], w[n - 1]);
            pfad += t;
        } else if (t == "re") {
            ort(w[0], w[1]);
            ort(w[0] + w[2], w[1] + w[3]);
            pfad += t;
        } else if (QByteArrayList{"rg", "sc", "scn", "RG", "SC", "SCN"}.contains(t)) {
            (t.isLower() ? fuellung : strich) = QColor::fromRgbF(w[0], w[1], w[2]).name();
        } else if (t == "w") {
            breite = w[0] * std::hypot(ctm.m11(), ctm.m12()) / 0.75;
        } else if (t == "J" || t == "j") {
            (t == "J" ? kappe : fuge) = static_cast<int>(w[0]);
        } else if (QByteArrayList{"f", "f*", "S", "n"}.contains(t) && !punkte.isEmpty()) {
            const QRectF r = QPolygonF(punkte).boundingRect();
            const QString farbe = t == "S" ? "stroke " + strich : "fill " + fuellung;
            QStringList form{t == "n" ? QString("clip") : farbe};
            if (t == "S") {
                form << zahlen(breite) << QStringList{"butt", "round", "square"}.value(kappe)
                     << QStringList{"miter", "round", "bevel"}.value(fuge);
            }
            if (pfad.contains('c')) {
                form << "disc " +
                            zahlen(r.center().x(), r.center().y(), r.width() / 2, r.height() / 2);
            } else if (pfad == "re" || pfad == "mllll") {
                form << "rect " + zahlen(r.x(), r.y(), r.width(), r.height());
            } else if (pfad == "ml") {
                form << "line " +
                            zahlen(punkte[0].x(), punkte[0].y(), punkte[1].x(), punkte[1].y());
            } else {
                form << pfad;
            }
            formen << form.join(' ');
            std::tie(punkte, pfad) = std::pair(QList<QPointF>(), QString());
        }
        w.clear();
    }
    return formen.join('\n');
}

// Each kind of shape in both vector formats: the background, a point's disc of 5 under its
// highlight of 7, moves of every colour code (its lowest four bits count) and the highlighted
// move with pen 3, all lines square-capped from pixel centres.
TEST(VektorExport, ShapesCarryThePalettesColoursThePensAndTheDiscSizes) {
    Module1 m;
    m.basis[1][1] = m.basis[2][2] = 1; // the point (10, 20, 0) lies at (210, 220)
    m.punkt[1] = {0, 10, 20, 0};
    m.anzpkt = m.debugpkt = m.debuglinie = 1;
    std::tie(m.anzeige, m.hoehe) = std::pair(Anzeige{true, true, false}, 300);
    const QString hin = "200.5 200.5L210.5 220.5";
    const QString linie = "<path d=\"M%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
                          "stroke-linecap=\"square\"/>\n";
    QString svg = R"(<title>3D</title>
<rect x="0" y="0" width="400" height="300" fill="#000000"/>
<circle cx="210.5" cy="220.5" r="2.5" fill="#ffffff"/>
<circle cx="210.5" cy="220.5" r="3.5" fill="#00ff00"/>
)";
    QString pdf = R"(clip rect 0 0 400 300
fill #000000 rect 0 0 400 300
fill #ffffff disc 210.5 220.5 2.5 2.5
fill #00ff00 disc 210.5 220.5 3.5 3.5
)";
    const QString strich = "stroke %1 %2 square miter line %3\n";
    for (int i = 1; i <= 16; ++i) {
        m.linie[i] = {0, i % 2, i + 16 * (i % 3 - 1)}; // codes 1, 18, -13, ..., -1, 16
        const QString ton = QColor(farbe(i)).name();
        svg += linie.arg(i % 2 ? hin : "210.5 220.5L200.5 200.5", ton).arg(1);
        const QString von = i % 2 ? "200.5 200.5 210.5 220.5" : "210.5 220.5 200.5 200.5";
        pdf += strich.arg(ton).arg(1).arg(von);
    }
    m.anzlin = 16;
    svg += linie.arg(hin, "#00ff00").arg(3) + "</svg>\n";
    pdf += strich.arg("#00ff00").arg(3).arg("200.5 200.5 210.5 220.5");
    EXPECT_EQ(QString(svgBild(m)).right(svg.size()), svg);
    EXPECT_EQ(pdfZeichnung(pdfBild(m)) + '\n', pdf);
}

// SVG (drawn by rsvg-convert, which refuses malformed XML) and PDF (by pdftoppm at 96 dpi) show
// the PNG's pixels; the PDF has one page, and its title is the model's name.
TEST(VektorExport, RsvgAndPopplerDrawThePixelsOfThePng) {
    WYK_WERKZEUG(rsvg, "rsvg-convert", "librsvg2-bin");
    WYK_WERKZEUG(pdftoppm, "pdftoppm", "poppler-utils");
    test::TempDir dir;
    for (const Ansicht& a : kAnsichten) {
        SCOPED_TRACE(a.modell);
        Module1 m;
        einrichten(m, a);
        m.dichte = a.dichte;
        for (const char* name : {"a.png", "a.SVG", "a.Pdf"}) {
            ASSERT_TRUE(schreibeBild(m, dir.path(name)).isDone());
        }
        ASSERT_EQ(QProcess::execute(rsvg, {dir.path("a.SVG"), "-o", dir.path("svg.png")}), 0);
        const QStringList poppler{"-r", "96", "-png", "-singlefile", dir.path("a.Pdf")};
        ASSERT_EQ(QProcess::execute(pdftoppm, poppler + QStringList{dir.path("pdf")}), 0);
        const QImage png(dir.path("a.png"));
        for (const QString bild : {"svg.png", "pdf.png"}) {
            SCOPED_TRACE("drawn into " + bild);
            const QImage gezeichnet(dir.path(bild));
            ASSERT_EQ(gezeichnet.size(), png.size());
            EXPECT_GE(getroffen(png, gezeichnet), 0.97);
            EXPECT_GE(getroffen(gezeichnet, png), 0.97);
        }
        const QByteArray pdf = dir.read("a.Pdf");
        const QString titel = QString(m.datname).replace(QChar(0xDCFF), QChar(0xFFFD));
        QStringEncoder utf16(QStringConverter::Utf16BE);
        EXPECT_TRUE(pdf.contains("/Title (" + QByteArray(utf16(QChar(0xFEFF) + titel))))
            << "the PDF's title holds a lone surrogate";
        EXPECT_EQ(pdf.count("/Type /Page\n"), 1);
    }
}

// A step of tests/support/browser.js.
QJsonObject schritt(const QString& name, const QJsonValue& wert = true) {
    return {{name, wert}};
}

QJsonArray orte(const QList<QPointF>& punkte) {
    QJsonArray weg;
    for (const QPointF& p : punkte) {
        weg << QJsonArray{p.x(), p.y()};
    }
    return weg;
}

QJsonObject finger(std::initializer_list<QJsonValue> momente) {
    return schritt("finger", QJsonArray(momente));
}

enum class Knopf { Links, Shift, Mitte };

QJsonObject maus(const QList<QPointF>& punkte, Knopf knopf = Knopf::Links) {
    return {{"maus", orte(punkte)},
            {"shift", knopf == Knopf::Shift},
            {"knopf", knopf == Knopf::Mitte ? "middle" : "left"}};
}

// A page exported from the window's view, and its input; what the case checks.
struct Seite {
    QString was, adresse;
    int schirm;
    Module1 m;
    QJsonArray eingaben;
    QString genommen; // the keys whose default the page prevents

    void tasten(const QString& namen, const QString& nimmt = {}) { // as "Tab Space Ctrl+1"
        eingaben << schritt("tasten", namen);
        genommen = nimmt;
    }

    // The drag in the page and in the window, where it turns or shifts.
    void ziehen(const QList<QPoint>& punkte, bool rotieren, Knopf knopf = Knopf::Links) {
        eingaben << maus({punkte.begin(), punkte.end()}, knopf);
        mausRunter(m, punkte[0].x(), punkte[0].y());
        for (const QPoint& p : punkte | std::views::drop(1)) {
            mausZiehen(m, p.x(), p.y(), rotieren);
        }
    }

    void rad() { // a notch towards the user
        eingaben << schritt("rad", QJsonArray{100, 100, 120});
        mausRad(m, 1);
    }
};

// Pages in headless Chromium, driven by tests/support/browser.js with real input.
class WebSeite : public ::testing::Test {
protected:
    void SetUp() override {
        WYK_WERKZEUG(chromium, "chromium", "chromium");
        WYK_WERKZEUG(node, "node", "nodejs");
        std::tie(chromium_, node_) = std::pair(chromium, node);
    }

    // A page exported with the view, opened with the fragment on a screen of that width (below
    // 500 a phone's). Its window is to be given the page's input.
    Seite& seite(const QString& was, const Ansicht& ansicht, int schirm = 1024,
                 const QString& fragment = {}) {
        const QString datei = dir_.path(QString("seite%1.html").arg(seiten_.size()));
        Seite& s = seiten_.emplace_back(was, datei + fragment, schirm);
        einrichten(s.m, ansicht);
        EXPECT_TRUE(schreibeBild(s.m, datei).isDone());
        return s;
    }

    // Each page after its input: the keys it took; its canvas in the program's colours only,
    // as the window draws it; its size (in proportion on a phone), the controls beside or below
    // it, no scroll or zoom, the focus ring on the drawing, German; no request but for pages.
    // Gives the results of each page's input.
    QList<QJsonArray> pruefen() {
        QJsonArray schritte;
        for (const Seite& s : seiten_) {
            schritte << QJsonObject{{"laden", "file://" + s.adresse},
                                    {"breite", s.schirm},
                                    {"hoehe", 480},
                                    {"mobil", s.schirm < 500}};
            for (const QJsonValue eingabe : s.eingaben) {
                schritte << eingabe;
            }
            schritte << schritt("bild") << schritt("lage");
        }
        QProcess browser;
        browser.start(node_, {WYK_BROWSER_JS, chromium_, dir_.folder("profil"),
                              dir_.write("schritte.json", QJsonDocument(schritte).toJson())});
        EXPECT_TRUE(browser.waitForFinished(240000) && browser.exitCode() == 0)
            << QString(browser.readAllStandardError());
        const QJsonArray aus = QJsonDocument::fromJson(browser.readAllStandardOutput()).array();
        for (const QJsonValue url : aus[0].toArray()) { // the requests come first
            EXPECT_TRUE(url.toString().startsWith("file://" + dir_.path("seite")))
                << url.toString();
        }
        QList<QRgb> farben = {kSchwarz, kWeiss, kGruen, kRot};
        for (int code = 0; code < 16; ++code) {
            farben << farbe(code);
        }
        QList<QJsonArray> ergebnisse;
        qsizetype i = 1; // where the page's results start, with its loading
        for (Seite& s : seiten_) {
            SCOPED_TRACE(s.was);
            ergebnisse << QJsonArray();
            while (ergebnisse.last().size() < s.eingaben.size()) {
                ergebnisse.last() << aus[++i];
            }
            const QJsonValue bild = aus[++i];
            EXPECT_EQ(bild[1].toString(), s.genommen);
            const QImage b = QImage::fromData(
                QByteArray::fromBase64(bild[0].toString().section(',', 1).toLatin1()), "PNG");
            EXPECT_EQ(b.convertToFormat(QImage::Format_RGB16), zeichnungsBild(s.m));
            const QImage inFarben = b.convertToFormat(QImage::Format_Indexed8, farben);
            EXPECT_EQ(inFarben.convertToFormat(b.format()), b);
            const double breite = std::min(s.m.breite, s.schirm); // the height stays whole
            const QString wo = s.schirm >= s.m.breite + 200 ? "daneben" : "darunter";
            const QJsonArray lage{
                breite, s.m.hoehe * breite / s.m.breite, wo, 0, 1, "zeichnung", true, "de"};
            EXPECT_EQ(QJsonDocument(aus[++i].toArray()).toJson(), QJsonDocument(lage).toJson());
            ++i;
        }
        return ergebnisse;
    }

    std::deque<Seite> seiten_;
    test::TempDir dir_;
    QString chromium_, node_;
};

TEST_F(WebSeite, KeysDragsWheelAndControlsActAsInTheWindow) {
    Seite& haus = seite("arrows, zoom, Home, a Shift drag; Ctrl keys not taken", kAnsichten[0]);
    haus.tasten("Tab ArrowLeft Home ArrowRight ArrowRight ArrowDown + + - Ctrl+0 Ctrl++ Ctrl+-",
                "ArrowLeft Home ArrowRight ArrowRight ArrowDown + + -");
    ziehenUm(haus.m, 20, 0, true);
    ziehenUm(haus.m, 0, 10, true);
    zoomRauf(haus.m);
    haus.ziehen({{50, 60}, {52, 61}, {80, 40}}, false, Knopf::Shift); // the other motion
    Seite& farben = seite("controls by keyboard, drags and the wheel", kAnsichten[2]);
    farben.tasten("Tab Tab Space Tab Tab Space Tab 2 5 Tab Tab Tab ArrowDown Tab Space");
    std::tie(farben.m.anzeige.punkte, farben.m.anzeige.achsen) = std::pair(false, true);
    ASSERT_FALSE(zoomText(farben.m, "25"));
    zuruecksetzen(farben.m);
    farben.ziehen({{50, 60}, {60, 55}, {20, 90}}, false);
    farben.rad();
    farben.ziehen({{100, 100}, {130, 90}, {125, 140}}, true, Knopf::Mitte); // the other motion
    Seite& dreieck = seite("0 resets, ArrowUp tilts, - zooms out", kAnsichten[3]);
    dreieck.tasten("Tab ArrowLeft 0 ArrowUp -", "ArrowLeft 0 ArrowUp -");
    zuruecksetzen(dreieck.m);
    ziehenUm(dreieck.m, 0, -10, true);
    ASSERT_TRUE(zoomRunter(dreieck.m));
    pruefen();
}

// After a pinch the remaining finger does nothing until all have left.
TEST_F(WebSeite, OnAPhoneTheDrawingShrinksAndFingersDragAndPinch) {
    Seite& s = seite("taps on two check boxes, a pinch, a drag, a key", kAnsichten[1], 360);
    s.eingaben << schritt("tippen", "achsen") << schritt("tippen", "linien");
    s.eingaben << finger({orte({{130, 135}, {230, 135}}), orte({{108.5, 135}, {251.5, 135}}),
                          orte({{108.5, 135}}), orte({{40, 60}})});
    s.eingaben << finger({orte({{60, 60}}), orte({{120, 90}}), orte({{120, 150}})});
    s.tasten("Shift+Tab Shift+Tab ArrowDown", "ArrowDown");
    s.m.anzeige.linien = s.m.anzeige.achsen = false;
    ziehenUm(s.m, 100, 50, true); // CSS pixels times 600 / 360
    ziehenUm(s.m, 0, 100, true);
    ASSERT_FALSE(zoomText(s.m, "36")); // 25 x 143 / 100, rounded
    ziehenUm(s.m, 0, 10, true);
    pruefen();
}

TEST_F(WebSeite, StandardViewAndFitKeysActAsInTheWindow) {
    // one pixel less margin would give one zoom step more
    const Ansicht knapp{"haus", 0.1, 0.2, 10, 500, 420, 20, 30, {true, true, true}};
    Seite& haus = seite("Ctrl+1 shows the back, f fits with points and marks drawn", knapp);
    haus.tasten("Tab Ctrl+1 f", "Ctrl+1 f");
    ASSERT_TRUE(ansichtTaste(haus.m, Qt::Key_1, Qt::ControlModifier));
    ASSERT_TRUE(ansichtTaste(haus.m, Qt::Key_F, Qt::NoModifier));
    Seite& farben = seite("7 shows the top, Shift+F fits", kAnsichten[2]);
    farben.tasten("Tab 7 Shift+F", "7 F");
    ASSERT_TRUE(ansichtTaste(farben.m, Qt::Key_7, Qt::NoModifier));
    ASSERT_TRUE(ansichtTaste(farben.m, Qt::Key_F, Qt::ShiftModifier));
    Seite& rand = seite("3 shows the right side of a drawing cut by every edge", kAnsichten[4]);
    rand.tasten("Tab 3", "3");
    ASSERT_TRUE(ansichtTaste(rand.m, Qt::Key_3, Qt::NoModifier));
    pruefen();
}

// The live region names what the pointer rests on, a click picks, Shift+click measures,
// Escape ends the measurement, with the window's texts.
TEST_F(WebSeite, PointerNamesPicksAndMeasuresAsInTheWindow) {
    Seite& s = seite("rest, click, Shift+click, Escape, click a move", kAnsichten[1]);
    Module1& w = s.m;
    const auto ort = [&w](int p) { // the nearest pixel
        const Bildlage b = bildlage(w.basis, w.punkt[p]);
        return QPoint(qRound(b.x + w.origx), qRound(b.y + w.origy));
    };
    const QPoint p5 = ort(5), p7 = ort(7), l7 = (ort(linienAnfang(w, 7)) + ort(w.linie[7][1])) / 2;
    const QJsonObject status = schritt("status");
    s.eingaben << schritt("zeiger", orte({p5})[0]) << status << maus({p5}) << status
               << maus({p7}, Knopf::Shift) << status;
    s.tasten("Escape", "Escape");
    s.eingaben << status << maus({l7}) << status;
    const auto text = [&w](QPoint p) { return trefferText(w, trefferBei(w, p.x(), p.y())); };
    QStringList texte{text(p5)};
    klicken(w, p5.x(), p5.y(), false);
    texte << text(p5);
    klicken(w, p7.x(), p7.y(), true);
    texte << markenText(w);
    ASSERT_TRUE(messungBeenden(w));
    texte << text(p7);
    klicken(w, l7.x(), l7.y(), false);
    texte << text(l7);
    QStringList gelesen;
    for (const QJsonValue t : pruefen().value(0)) {
        if (t.isString()) { // the input gives none; the region's role and politeness lead
            gelesen << t.toString().remove(QRegularExpression("^status polite "));
        }
    }
    EXPECT_EQ(gelesen, texte);
}

// The drawing is named with the model and its keys, and every control has a name.
TEST_F(WebSeite, NamesTheDrawingAndEveryControlForScreenReaders) {
    Seite& s = seite("names", kAnsichten[1]);
    s.tasten("Tab");
    s.eingaben << schritt("cdp", "Accessibility.getFullAXTree");
    const QStringList rollen{"application", "button", "checkbox", "radio", "textbox"};
    QStringList namen;
    for (const QJsonValue knoten : pruefen().value(0).at(1)["nodes"].toArray()) {
        const QString rolle = knoten["role"]["value"].toString();
        if (rollen.contains(rolle)) {
            namen << rolle + ": " + knoten["name"]["value"].toString();
        }
    }
    SCOPED_TRACE(namen.join('\n'));
    EXPECT_EQ(namen.size(), 10);
    EXPECT_EQ(namen.filter(QRegularExpression(": $")), QStringList());
    EXPECT_EQ(namen.filter(QRegularExpression("^application: .*wuerfel.*Pfeil.*Tippen")).size(), 1);
}

// A page opened with a view in its address shows that view. Input writes the new view there,
// its numbers as the program writes them, without a new history entry, and the address opened
// afresh shows it. An address that is no view shows the view the page was exported with.
TEST_F(WebSeite, AddressHoldsTheViewThatALinkShows) {
    const QString ansicht = "drehung=0.1234567890123&neigung=-2.5e-7&zoom=31&x=-20&y=300&"
                            "punkte=1&linien=0&achsen=1&modus=verschieben";
    const Anzeige anzeige{true, false, true};
    const Ansicht verweis{"wuerfel", -2.5e-7, 0.1234567890123, 31, 600, 450, -20, 300, anzeige};
    const auto oeffnen = [&](const QString& was) -> Seite& {
        Seite& s = seite(was, kAnsichten[1], 1024, '#' + ansicht);
        einrichten(s.m, verweis); // the window shows the address's view
        return s;
    };
    oeffnen("opened with a view").tasten("Tab");
    Seite& s = oeffnen("input, then opened afresh");
    s.eingaben << schritt("adresse");
    s.ziehen({{100, 100}, {130, 90}}, false);
    s.ziehen({{100, 100}, {150, 120}}, true, Knopf::Shift); // the other motion
    s.rad();
    // Tab and space, then six Tabs to the mode and up to "rotieren"
    s.tasten("Tab Space Tab Tab Tab Tab Tab Tab ArrowUp");
    s.m.anzeige.punkte = false;
    s.eingaben << schritt("adresse") << schritt("wieder") << schritt("adresse");
    s.tasten("Tab");
    const Module1& m = s.m;
    const QString neu = "#drehung=" + Str(m.rotwinkel[3]) + "&neigung=" + Str(m.rotwinkel[1]) +
                        "&zoom=" + Str(m.zoomfaktor) + "&x=" + Str(m.origx) + "&y=" + Str(m.origy) +
                        "&punkte=0&linien=0&achsen=1&modus=rotieren";
    const auto anders = [&ansicht](const char* alt, const char* ersatz) {
        return QString(ansicht).replace(alt, ersatz);
    };
    const QStringList keineAnsicht = {
        "drehung=0.5",
        ansicht + "&farbe=1",
        ansicht + "&x=1",
        anders("zoom=31", "zoom=0"),
        anders("x=-20", "x=1.5"),
        anders("-2.5e-7", "1e999"),
        anders("punkte=1", "punkte=2"),
        anders("verschieben", "kippen"),
    };
    for (const QString& fragment : keineAnsicht) {
        seite("no view: " + fragment, kAnsichten[1], 1024, '#' + fragment).tasten("Tab");
    }
    const QJsonArray aus = pruefen().value(1);
    EXPECT_EQ(aus[5][0].toString(), neu);
    EXPECT_EQ(aus[5][1].toInt(), aus[0][1].toInt()) << "the history's length";
    EXPECT_EQ(aus[7][0].toString(), neu);
}

} // namespace
} // namespace wyk
