#include "export/picture.h"
#include "export/svg.h"
#include "exporthelfer.h"
#include "support/werkzeug.h"
#include "view/interaction.h"
#include "view/projection.h"

#include <QProcess>
#include <QStandardPaths>
#include <functional>

namespace wyk {
namespace {

struct Ansicht {
    const char* modell;
    double neigung, drehung;
    int zoom, breite, hoehe, origx, origy;
    Anzeige anzeige;
    int debugpkt, debuglinie;
};

const Ansicht kAnsichten[] = {
    {"haus", kStartNeigung, kStartDrehung, 10, 400, 400, 200, 200, {}, 0, 0},
    {"wuerfel", 1.2, 0.4, 25, 600, 450, 250, 260, {true, true, true}, 0, 0},
    {"farben", -0.3, 2.0, 14, 500, 420, 300, 150, {true, true, false}, 3, 5},
    {"dreieck", 1.5707963, 0, 30, 430, 410, 100, 350, {false, true, true}, 0, 1},
};

// The model with the view; its name needs escaping in every format.
void einrichten(Module1& m, const Ansicht& f) {
    ASSERT_TRUE(init(m).isDone());
    ASSERT_TRUE(ladeDatei(m, QStringLiteral(WYK_EXAMPLES_DIR "/%1.wyk").arg(f.modell)).isDone());
    m.datname = QStringLiteral("</script><b a='1'>&\"%1\"").arg(f.modell);
    m.rotwinkel[1] = f.neigung;
    m.rotwinkel[3] = f.drehung;
    m.zoomfaktor = f.zoom;
    m.breite = f.breite;
    m.hoehe = f.hoehe;
    m.origx = f.origx;
    m.origy = f.origy;
    m.debugpkt = f.debugpkt;
    m.debuglinie = f.debuglinie;
    m.fenster.schalter = [&f] { return f.anzeige; };
    rotation2(m);
}

// The share of a's lit pixels that have a lit pixel of like colour within one pixel in b;
// antialiasing dims a colour but keeps the ratio of its components.
double getroffen(const QImage& a, const QImage& b) {
    const auto anteile = [](QRgb c) {
        const double hell = std::max({qRed(c), qGreen(c), qBlue(c)});
        return std::array<double, 4>{qRed(c) / hell, qGreen(c) / hell, qBlue(c) / hell, hell};
    };
    const auto gleich = [](const auto& p, const auto& q) {
        return q[3] >= 60 && std::abs(p[0] - q[0]) < 0.35 && std::abs(p[1] - q[1]) < 0.35 &&
               std::abs(p[2] - q[2]) < 0.35;
    };
    int lit = 0;
    int treffer = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const auto p = anteile(a.pixel(x, y));
            bool gefunden = p[3] < 60; // a dark pixel needs no match
            for (int j = y - 1; j <= y + 1; ++j) {
                for (int i = x - 1; i <= x + 1; ++i) {
                    gefunden = gefunden || (b.valid(i, j) && gleich(p, anteile(b.pixel(i, j))));
                }
            }
            lit += p[3] >= 60 ? 1 : 0;
            treffer += p[3] >= 60 && gefunden ? 1 : 0;
        }
    }
    return lit == 0 ? 0.0 : static_cast<double>(treffer) / lit;
}

void vergleichen(const QImage& bild, const QImage& vorbild, const std::string& was) {
    ASSERT_EQ(bild.size(), vorbild.size()) << was;
    EXPECT_GE(getroffen(vorbild, bild), 0.97) << was << ": lit pixels of the PNG missing";
    EXPECT_GE(getroffen(bild, vorbild), 0.97) << was << ": lit pixels the PNG lacks";
}

// Runs the program; true when it exits with 0.
bool ausfuehren(const QString& programm, const QStringList& argumente) {
    return QProcess::execute(programm, argumente) == 0;
}

// A scene with an element of each kind, written out from the drawing rules: the background, a
// point's disc of 5 under its highlight of 7, a segment of each colour code 1 to 15 between the
// origin and the point, and the highlighted move with pen 3, in the palette's full colours.
TEST(SvgExport, ElementsCarryThePalettesColoursThePensAndTheDiscSizes) {
    Module1 m;
    m.basis[1][1] = m.basis[2][2] = 1; // the point (10, 20, 0) lies at (210, 220)
    m.punkt[1] = {0, 10, 20, 0};
    m.anzpkt = m.debugpkt = m.debuglinie = 1;
    m.fenster.schalter = [] { return Anzeige{true, true, false}; };
    const char* farben[] = {"000096", "009600", "009696", "960000", "960096",
                            "969600", "969696", "696969", "6969ff", "69ff69",
                            "69ffff", "ff6969", "ff69ff", "ffff69", "ffffff"};
    const QString hin = "200.5 200.5L210.5 220.5";
    const QString linie = "<path d=\"M%1\" fill=\"none\" stroke=\"#%2\" stroke-width=\"%3\" "
                          "stroke-linecap=\"square\"/>\n";
    QString soll =
        "<title>3D</title>\n<rect x=\"0\" y=\"0\" width=\"400\" height=\"400\" "
        "fill=\"#000000\"/>\n<circle cx=\"210.5\" cy=\"220.5\" r=\"2.5\" "
        "fill=\"#ffffff\"/>\n<circle cx=\"210.5\" cy=\"220.5\" r=\"3.5\" fill=\"#00ff00\"/>\n";
    for (int code = 1; code <= 15; ++code) {
        m.linie[code] = {0, code % 2, code};
        soll += linie.arg(code % 2 ? hin : "210.5 220.5L200.5 200.5", farben[code - 1]).arg(1);
    }
    m.anzlin = 15;
    soll += linie.arg(hin, "00ff00").arg(3) + "</svg>\n";
    EXPECT_TRUE(QString::fromUtf8(svgBild(m)).endsWith(soll)) << svgBild(m).toStdString();
}

// rsvg-convert, which refuses malformed XML such as an unescaped title, draws the SVG.
TEST(SvgExport, RsvgDrawsThePixelsOfThePng) {
    WYK_WERKZEUG(rsvg, "rsvg-convert", "librsvg2-bin");
    test::TempDir dir;
    for (const Ansicht& a : kAnsichten) {
        Module1 m;
        einrichten(m, a);
        ASSERT_TRUE(schreibeBild(m, dir.path("a.png")).isDone());
        ASSERT_TRUE(schreibeBild(m, dir.path("a.SVG")).isDone());
        ASSERT_TRUE(ausfuehren(rsvg, {dir.path("a.SVG"), "-o", dir.path("svg.png")}));
        vergleichen(QImage(dir.path("svg.png")), QImage(dir.path("a.png")), a.modell);
    }
}

// The pages, side by side in one browser, open with the view and replay drag and wheel as the
// main window does; they ask the network for nothing.
TEST(WebSeite, ShowsAndChangesTheViewAsTheDesktopAndLoadsNothing) {
    WYK_WERKZEUG(chromium, "chromium", "chromium");
    using Schritte = std::function<void(Module1&, Anzeige&)>;
    const std::tuple<Ansicht, const char*, Schritte> faelle[] = {
        {kAnsichten[2], "modus=verschieben;drag=50,60,60,55,-30,90;rad=-5;minus;achsen=1;messen=9",
         [](Module1& m, Anzeige& anzeige) {
             mausRunter(m, 50, 60);
             mausZiehen(m, 60, 55, false);
             mausZiehen(m, -30, 90, false);
             mausRad(m, -5);
             zoomRunter(m);
             anzeige.achsen = true;
             for (int i = 0; i < 9; ++i) { // each redraw after a drag by one pixel
                 mausZiehen(m, m.mausx + 1, m.mausy, false);
             }
         }},
        {kAnsichten[3], "reset;drag=100,100,200,100,200,300;rad=3;plus;punkte=1",
         [](Module1& m, Anzeige& anzeige) {
             zuruecksetzen(m);
             mausRunter(m, 100, 100);
             mausZiehen(m, 200, 100, true);
             mausZiehen(m, 200, 300, true);
             mausRad(m, 3);
             zoomRauf(m);
             anzeige.punkte = true;
         }},
    };
    test::TempDir dir;
    QString rahmen;
    QList<QImage> vorbilder;
    for (auto [a, fragment, schritte] : faelle) {
        Module1 m;
        einrichten(m, a);
        const QString seite = QStringLiteral("seite%1.html").arg(vorbilder.size());
        ASSERT_TRUE(schreibeBild(m, dir.path(seite)).isDone());
        EXPECT_EQ(QString::fromUtf8(dir.read(seite)).count("</script"), 2);
        schritte(m, a.anzeige);
        ASSERT_TRUE(schreibeBild(m, dir.path("a.png")).isDone());
        rahmen += QStringLiteral("<iframe src=\"%1#%2\" style=\"position:absolute;left:%3px;top:0;"
                                 "width:800px;height:500px;border:0\"></iframe>\n")
                      .arg(seite, fragment)
                      .arg(800 * vorbilder.size()); // room for the canvas and the controls
        vorbilder << QImage(dir.path("a.png"));
    }
    ASSERT_TRUE(ausfuehren(
        chromium,
        {"--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
         "--force-device-scale-factor=1", "--user-data-dir=" + dir.folder("profil"),
         QStringLiteral("--window-size=%1,500").arg(800 * vorbilder.size()),
         "--screenshot=" + dir.path("schirm.png"), "--log-net-log=" + dir.path("netz.json"),
         "file://" + dir.write("rahmen.html", rahmen.toUtf8())}));
    const QImage schirm(dir.path("schirm.png"));
    for (qsizetype i = 0; i < vorbilder.size(); ++i) {
        vergleichen(schirm.copy(QRect(QPoint(800 * i, 0), vorbilder[i].size())), vorbilder[i],
                    std::get<1>(faelle[i]));
    }
    // Requests of the pages carry their origin, "null" for a file; the browser's own carry none.
    const QString netz = QString::fromUtf8(dir.read("netz.json"));
    ASSERT_TRUE(netz.contains("URL_REQUEST_START_JOB"));
    EXPECT_EQ(netz.count("\"initiator\":"), netz.count("\"initiator\":\"not an origin\""));
}

} // namespace
} // namespace wyk
