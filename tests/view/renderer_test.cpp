#include "export/exporthelfer.h"
#include "support/vorlage.h"
#include "view/projection.h"
#include "view/raster.h"
#include "view/renderer.h"

#include <climits>
#include <gtest/gtest.h>
#include <limits>

namespace wyk {
namespace {

// The drawing area of zebild and a margin of pixels beyond it.
QImage gezeichnet(const Module1& m, int rand = 0) {
    const QSize flaeche = geraeteGroesse(m);
    return m.zebild.copy(0, 0, flaeche.width() + rand, flaeche.height() + rand);
}

class RendererTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(init(m).isDone()); }

    // A model of its points and moves, as the reader would leave it.
    void modell(std::initializer_list<std::array<double, 3>> punkte,
                std::initializer_list<std::array<int, 2>> zuege) {
        m.anzpkt = 0;
        for (const auto& p : punkte) {
            m.punkt[++m.anzpkt] = {0, p[0], p[1], p[2]};
        }
        m.anzlin = 0;
        for (const auto& z : zuege) {
            m.linie[++m.anzlin] = {0, z[0], z[1]};
        }
    }

    // Model units as pixels along x and y, the origin at the given pixel.
    void flach(int origx, int origy) {
        m.basis = {};
        m.basis[1][1] = m.basis[2][2] = 1;
        std::tie(m.origx, m.origy) = std::pair(origx, origy);
    }

    Module1 m;
};

// Discs just outside reach in, one further off not; highlighted move 2 runs out at the bottom,
// move 4 touches (0, 0) only, with its pen. Nothing is drawn beyond the area.
TEST_F(RendererTest, DiscsAndLinesAtTheEdgesOfTheArea) {
    flach(0, 0);
    std::tie(m.breite, m.hoehe) = std::pair(500, 450);
    m.zebild.fill(Qt::blue);
    m.anzeige = {.punkte = true, .linien = false, .achsen = false};
    modell({{-1, -1, 0}, {-2, 200, 0}, {499, 449, 0}, {-3, 300, 0}}, {});
    zeichnen(m);
    test::wieVorlage("rand-punkte", gezeichnet(m, 1));
    m.anzeige.punkte = false;
    modell({{250, 440, 0}, {250, 460, 0}, {-5, 3, 0}, {3, -5, 0}},
           {{1, 0}, {2, 2}, {3, 0}, {4, 0}});
    for (const int linie : {2, 4}) {
        m.debuglinie = linie;
        zeichnen(m);
        test::wieVorlage(QString("rand-marke%1").arg(linie), gezeichnet(m, 1));
    }
}

// A far move keeps its direction at any zoom; broken or missing points, moves to them add nothing.
TEST_F(RendererTest, FarBrokenAndMissingPoints) {
    m.anzeige = {.punkte = true, .linien = true, .achsen = false};
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    modell({{1e12, 0, 0}, {inf, 0, 0}, {nan, 1, 1}, {0, inf, inf}, {1e300, -1e300, 0}},
           {{1, 4}, {0, 0}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {5000, 4}, {1, 0}, {-1, 4}});
    for (const int zoom : {1, 10, INT_MAX}) {
        const QString weit = QString("weit-zoom%1").arg(zoom);
        m.zoomfaktor = zoom;
        rotation2(m);
        for (const auto& [punkt, linie] : {std::pair(0, 0), {2, 3}, {3, 4}, {4000, 7}, {5, 3001}}) {
            SCOPED_TRACE(testing::Message() << "highlights " << punkt << " and " << linie);
            std::tie(m.debugpkt, m.debuglinie) = std::pair(punkt, linie);
            zeichnen(m);
            test::wieVorlage(weit, gezeichnet(m));
        }
    }
}

// Each length scales with the density, a line keeps one width: moves across and down, pen 3's
// highlight, point 5's disc (off the pixel grid), the axes' letters.
TEST_F(RendererTest, EveryLengthScalesWithTheDensity) {
    flach(30, 30);
    std::tie(m.zoomfaktor, m.debuglinie) = std::pair(1, 4);
    m.anzeige = {.punkte = true, .linien = true, .achsen = true};
    modell({{20, 20, 0}, {170, 75, 0}, {60, 150, 0}, {90, 330, 0}, {150.3, 250.6, 0}},
           {{1, 0}, {2, 9}, {3, 0}, {4, 2}});
    for (const double d : {1.25, 1.5, 1.75, 2.0, 3.0}) {
        m.dichte = d;
        zeichnen(m);
        test::wieVorlage(QString("dichte%1").arg(d), gezeichnet(m));
    }
}

// The examples' views as exports draw them, also row by row, no cut run reaching an earlier row.
TEST(Ansichten, DrawTheExamples) {
    for (const test::Ansicht& a : test::kAnsichten) {
        Module1 m;
        test::einrichten(m, a);
        m.dichte = a.dichte;
        zeichnen(m);
        const auto nummer = &a - test::kAnsichten;
        const QString name = QString("ansicht%1-%2").arg(nummer).arg(a.modell);
        test::wieVorlage(name, gezeichnet(m));
        QImage zeilenweise(geraeteGroesse(m), QImage::Format_RGB16);
        Raster r(zeilenweise, zeilenweise.width(), zeilenweise.height(), 1);
        szeneZeichnen(r, m, m.anzeige);
        r.fertig();
        test::wieVorlage(name, zeilenweise);
    }
}

} // namespace
} // namespace wyk
