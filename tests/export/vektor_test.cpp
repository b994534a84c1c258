#include "export/picture.h"
#include "export/svg.h"
#include "exporthelfer.h"
#include "support/werkzeug.h"
#include "view/interaction.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>
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

// What is drawn inside the w x h picture, one line per thing in drawing order, as the SVG
// must show it: the kind, the colour, the pen or disc radius, then the corners of a rectangle
// or pixel, the centre of a disc or the ends of a line, which lie on pixel centres. Things
// reaching beyond the picture are left out: the SVG may cut them at the edge or drop them.
struct Szene final : Zeichenflaeche {
    explicit Szene(const Module1& m) : w(m.breite), h(m.hoehe) {}
    void setColor(QRgb c) override { farbe = QColor(c).name(); }
    void setPen(int size) override { pen = size; }
    void fillRect(Pixel p, int breite, int hoehe) override {
        add('R', 0, {1. * p.x, 1. * p.y, 1. * p.x + breite, 1. * p.y + hoehe});
    }
    void fillDisc(Pixel p, int size) override {
        add('D', size / 2.0, {p.x + size / 2.0, p.y + size / 2.0});
    }
    void drawLine(Pixel a, Pixel b) override {
        add('L', pen, {a.x + 0.5, a.y + 0.5, b.x + 0.5, b.y + 0.5});
    }
    void plot(std::int64_t x, std::int64_t y) override {
        add('P', 0, {1. * x, 1. * y, x + 1., y + 1.});
    }
    void add(char art, double mass, const QList<double>& xy) {
        QString zeile = QStringLiteral("%1 %2 %3").arg(art).arg(farbe).arg(mass);
        for (qsizetype i = 0; i + 1 < xy.size(); i += 2) {
            if (xy[i] < 0 || xy[i] > w || xy[i + 1] < 0 || xy[i + 1] > h) {
                return;
            }
            zeile += QStringLiteral(" %1 %2").arg(xy[i]).arg(xy[i + 1]);
        }
        liste << zeile;
    }
    double w;
    double h;
    QString farbe;
    int pen = 1;
    QStringList liste;
};

// The SVG's elements as Szene lists what is drawn.
QStringList elemente(const Module1& m) {
    Szene s(m);
    QXmlStreamReader xml(svgBild(m));
    while (!xml.atEnd()) {
        if (xml.readNext() != xml.StartElement) {
            continue;
        }
        const QXmlStreamAttributes a = xml.attributes();
        const auto zahl = [&a](const char* name) { return a.value(name).toDouble(); };
        s.farbe = a.value(a.hasAttribute("stroke") ? "stroke" : "fill").toString();
        if (xml.name() == u"rect") {
            s.add('R', 0,
                  {zahl("x"), zahl("y"), zahl("x") + zahl("width"), zahl("y") + zahl("height")});
        } else if (xml.name() == u"circle") {
            s.add('D', zahl("r"), {zahl("cx"), zahl("cy")});
        }
        for (const QString& teil : a.value("d").toString().split('M', Qt::SkipEmptyParts)) {
            QList<double> xy;
            for (const QString& z : QString(teil).replace('L', ' ').remove("h1v1h-1z").split(' ')) {
                xy << z.toDouble();
            }
            if (a.hasAttribute("stroke")) {
                s.add('L', zahl("stroke-width"), xy);
            } else {
                s.add('P', 0, xy << xy[0] + 1 << xy[1] + 1);
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return s.liste;
}

// The SVG's elements carry the colours, pens and disc sizes that the scene gives the canvas, at
// the same places and in the same order; the views draw each kind of them.
TEST(SvgExport, ElementsAreTheScenesDrawCallsExactly) {
    QStringList alle;
    for (const Ansicht& a : kAnsichten) {
        Module1 m;
        einrichten(m, a);
        Szene szene(m);
        szeneZeichnen(szene, m, anzeige(m));
        EXPECT_EQ(elemente(m).join('\n').toStdString(), szene.liste.join('\n').toStdString())
            << a.modell;
        alle += szene.liste;
    }
    for (const char* art : {"R #000000 0", "P #ff0000 0", "D #ffffff 2.5", "D #00ff00 3.5",
                            "L #ffffff 1", "L #00ff00 3", "D #ff0000 2.5"}) {
        EXPECT_FALSE(alle.filter(art).isEmpty()) << art;
    }
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
