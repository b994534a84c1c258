#include "export/picture.h"
#include "exporthelfer.h"
#include "view/interaction.h"
#include "view/projection.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <functional>
#include <random>

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
void einrichten(Module1& m, const Ansicht& a) {
    ASSERT_TRUE(init(m).isDone());
    ASSERT_TRUE(ladeDatei(m, QStringLiteral(WYK_EXAMPLES_DIR "/%1.wyk").arg(a.modell)).isDone());
    m.datname = QStringLiteral("</script><b a='1'>&\"%1\"").arg(a.modell);
    m.rotwinkel[1] = a.neigung;
    m.rotwinkel[3] = a.drehung;
    m.zoomfaktor = a.zoom;
    m.breite = a.breite;
    m.hoehe = a.hoehe;
    m.origx = a.origx;
    m.origy = a.origy;
    m.debugpkt = a.debugpkt;
    m.debuglinie = a.debuglinie;
    m.fenster.schalter = [&a] { return a.anzeige; };
    rotation2(m);
}

// The share of a's lit pixels that have a lit pixel of like colour within one pixel in b;
// antialiasing dims a colour but keeps the ratio of its components.
double getroffen(const QImage& a, const QImage& b) {
    const auto anteile = [](QRgb c) {
        const double hell = std::max({qRed(c), qGreen(c), qBlue(c)});
        return std::array<double, 4>{qRed(c) / hell, qGreen(c) / hell, qBlue(c) / hell, hell};
    };
    int lit = 0;
    int treffer = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const auto p = anteile(a.pixel(x, y));
            if (p[3] < 60) {
                continue;
            }
            ++lit;
            bool gefunden = false;
            for (int j = y - 1; j <= y + 1 && !gefunden; ++j) {
                for (int i = x - 1; i <= x + 1 && !gefunden; ++i) {
                    const auto q = b.valid(i, j) ? anteile(b.pixel(i, j)) : p;
                    gefunden = b.valid(i, j) && q[3] >= 60 && std::abs(p[0] - q[0]) < 0.35 &&
                               std::abs(p[1] - q[1]) < 0.35 && std::abs(p[2] - q[2]) < 0.35;
                }
            }
            treffer += gefunden ? 1 : 0;
        }
    }
    return lit == 0 ? 0.0 : static_cast<double>(treffer) / lit;
}

void vergleichen(const QImage& bild, const QImage& vorbild, const std::string& was) {
    ASSERT_EQ(bild.size(), vorbild.size()) << was;
    EXPECT_GE(getroffen(vorbild, bild), 0.97) << was << ": lit pixels of the PNG missing";
    EXPECT_GE(getroffen(bild, vorbild), 0.97) << was << ": lit pixels the PNG lacks";
}

QString programm(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

bool ausfuehren(const QString& name, const QStringList& argumente, QByteArray* ausgabe = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(name, argumente);
    const bool ok = p.waitForFinished(120000) && p.exitCode() == 0;
    if (ausgabe != nullptr) {
        *ausgabe = p.readAllStandardOutput();
    }
    return ok;
}

// Chromium on the page with the fragment, with its own profile in dir.
bool browser(const test::TempDir& dir, const QString& seite, const QString& fragment,
             const QStringList& auftrag, QByteArray* ausgabe = nullptr) {
    return ausfuehren(programm("chromium"),
                      QStringList{"--headless=new", "--no-sandbox", "--disable-gpu",
                                  "--hide-scrollbars", "--force-device-scale-factor=1",
                                  "--user-data-dir=" + dir.folder("profil")} +
                          auftrag + QStringList{"file://" + seite + "#" + fragment},
                      ausgabe);
}

// The canvas of the page: it lies at the page's top-left corner.
QImage bildschirm(const test::TempDir& dir, const QString& seite, const QString& fragment,
                  QSize groesse) {
    const QString png = dir.path("schirm.png");
    const QString fenster =
        QStringLiteral("--window-size=%1,%2").arg(groesse.width() + 200).arg(groesse.height() + 20);
    EXPECT_TRUE(browser(dir, seite, fragment, {fenster, "--screenshot=" + png}));
    return QImage(png).copy(QRect(QPoint(0, 0), groesse));
}

TEST(SvgExport, RsvgDrawsThePixelsOfThePng) {
    if (programm("rsvg-convert").isEmpty()) {
        GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is missing: the SVG is not checked";
    }
    test::TempDir dir;
    for (const Ansicht& a : kAnsichten) {
        Module1 m;
        einrichten(m, a);
        ASSERT_TRUE(schreibeBild(m, dir.path("a.png")).isDone());
        ASSERT_TRUE(schreibeBild(m, dir.path("a.SVG")).isDone());
        QXmlStreamReader xml(dir.read("a.SVG"));
        xml.readNextStartElement();
        xml.readNextStartElement();
        EXPECT_EQ(xml.readElementText(), m.datname) << a.modell;
        while (!xml.atEnd()) {
            xml.readNext();
        }
        EXPECT_FALSE(xml.hasError()) << a.modell << ": " << xml.errorString().toStdString();
        ASSERT_TRUE(
            ausfuehren(programm("rsvg-convert"), {dir.path("a.SVG"), "-o", dir.path("svg.png")}));
        vergleichen(QImage(dir.path("svg.png")), QImage(dir.path("a.png")), a.modell);
    }
}

// The page opens with the view of the canvas, and a replayed drag or wheel changes it as the
// main window's handlers change the desktop's.
TEST(WebSeite, ShowsAndChangesTheViewAsTheDesktop) {
    if (programm("chromium").isEmpty()) {
        GTEST_SKIP() << "chromium is missing: the page is not checked in a browser";
    }
    using Schritte = std::function<void(Module1&, Anzeige&)>;
    const std::tuple<int, const char*, Schritte> faelle[] = {
        {0, "", [](Module1&, Anzeige&) {}},
        {2, "", [](Module1&, Anzeige&) {}},
        {0, "drag=100,100,200,100,200,300;rad=3",
         [](Module1& m, Anzeige&) {
             mausRunter(m, 100, 100);
             mausZiehen(m, 200, 100, true);
             mausZiehen(m, 200, 300, true);
             mausRad(m, 3);
         }},
        {1, "modus=verschieben;drag=50,60,60,55,-30,90;rad=-5;minus;achsen=0",
         [](Module1& m, Anzeige& anzeige) {
             mausRunter(m, 50, 60);
             mausZiehen(m, 60, 55, false);
             mausZiehen(m, -30, 90, false);
             mausRad(m, -5);
             zoomRunter(m);
             anzeige.achsen = false;
         }},
        {3, "drag=10,10,-40,77;reset;plus;punkte=1",
         [](Module1& m, Anzeige& anzeige) {
             mausRunter(m, 10, 10);
             mausZiehen(m, -40, 77, true);
             zuruecksetzen(m);
             zoomRauf(m);
             anzeige.punkte = true;
         }},
    };
    test::TempDir dir;
    for (const auto& [ansicht, fragment, schritte] : faelle) {
        Ansicht a = kAnsichten[ansicht];
        Module1 m;
        einrichten(m, a);
        ASSERT_TRUE(schreibeBild(m, dir.path("seite.html")).isDone());
        schritte(m, a.anzeige);
        ASSERT_TRUE(schreibeBild(m, dir.path("a.png")).isDone());
        const QImage schirm =
            bildschirm(dir, dir.path("seite.html"), fragment, QSize(m.breite, m.hoehe));
        vergleichen(schirm, QImage(dir.path("a.png")), a.modell + std::string(" #") + fragment);
    }
}

// The largest model turned 100 times in the page, which asks the network for nothing.
TEST(WebSeite, KeepsUpWithDraggingAndLoadsNothing) {
    if (programm("chromium").isEmpty()) {
        GTEST_SKIP() << "chromium is missing: the page is not checked in a browser";
    }
    const Ansicht gross{"haus", 0.3, 0.2, 7, 1424, 865, 712, 432, {true, true, true}, 0, 0};
    Module1 m;
    einrichten(m, gross);
    std::mt19937 zufall(7);
    std::uniform_real_distribution<double> koordinate(-60.0, 60.0);
    m.anzpkt = m.anzlin = kTabellenGrenze;
    for (int i = 1; i <= kTabellenGrenze; ++i) {
        m.punkt[i] = {0, koordinate(zufall), koordinate(zufall), koordinate(zufall)};
        m.linie[i] = {0, 1 + static_cast<int>(zufall() % kTabellenGrenze), 1 + i % 15};
    }
    test::TempDir dir;
    ASSERT_TRUE(schreibeBild(m, dir.path("gross.htm")).isDone());
    const QString seite = QString::fromUtf8(dir.read("gross.htm"));
    EXPECT_EQ(seite.count("</script"), 2);
    EXPECT_FALSE(seite.contains(QRegularExpression("https?:|src=|href=|url\\(")));
    QByteArray dom;
    ASSERT_TRUE(browser(dir, dir.path("gross.htm"), "messen=100",
                        {"--log-net-log=" + dir.path("netz.json"), "--dump-dom"}, &dom));
    const auto messung = QRegularExpression("(\\d+) Bilder in ([\\d.]+) ms").match(dom);
    ASSERT_TRUE(messung.hasMatch());
    std::printf("Seite mit 3000 Punkten und 3000 Linien, 1424 x 865: %s\n",
                messung.captured(0).toUtf8().constData());
    // Requests of the page carry its origin; the browser's own ones carry none.
    const QJsonObject netz = QJsonDocument::fromJson(dir.read("netz.json")).object();
    const int start = netz["constants"]["logEventTypes"]["URL_REQUEST_START_JOB"].toInt(-1);
    ASSERT_GE(start, 0);
    for (const QJsonValue& wert : netz["events"].toArray()) {
        const QJsonObject ereignis = wert.toObject();
        const QJsonObject daten = ereignis["params"].toObject();
        EXPECT_FALSE(ereignis["type"].toInt() == start && daten.contains("initiator") &&
                     daten["initiator"].toString() != "not an origin")
            << daten["url"].toString().toStdString();
    }
}

} // namespace
} // namespace wyk
