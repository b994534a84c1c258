#include "view/projection.h"
#include "view/renderer.h"

#include <QFontInfo>
#include <QPainter>
#include <climits>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <ranges>

namespace wyk {
namespace {

// What a 16-bit picture keeps of a colour.
QRgb stored(int r, int g, int b) {
    QImage probe(1, 1, QImage::Format_RGB16);
    probe.fill(QColor(r, g, b));
    return probe.pixel(0, 0);
}

const QRgb kBlack = stored(0, 0, 0);
const QRgb kGreen = stored(0, 255, 0);
const QRgb kWhite = stored(255, 255, 255);

class RendererTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(init(m).isDone()); }

    std::vector<QRgb> farben(const std::vector<QPoint>& punkte) const {
        std::vector<QRgb> result(punkte.size());
        std::ranges::transform(punkte, result.begin(),
                               [this](QPoint p) { return m.zebild.pixel(p); });
        return result;
    }

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

    Module1 m;
};

TEST_F(RendererTest, DiscsAndLinesAtTheEdgesOfTheArea) {
    m.anzeige = {.punkte = true, .linien = false, .achsen = false};
    std::tie(m.origx, m.origy, m.breite, m.hoehe) = std::tuple(0, 0, 500, 450);
    m.zebild.fill(Qt::blue);
    const QRgb outside = stored(0, 0, 255);
    // Model units map to pixels one to one along x and y for this basis.
    m.basis = {};
    m.basis[1][1] = m.basis[2][2] = 1;
    modell({{-1, -1, 0}, {-2, 200, 0}, {499, 449, 0}, {-3, 300, 0}}, {});
    zeichnen(m);
    // Discs around (-1, -1), (-2, 200) and (499, 449) reach into the area, (-3, 300) does not.
    EXPECT_EQ(farben({{0, 0}, {0, 200}, {0, 300}, {499, 449}, {500, 449}, {499, 450}}),
              (std::vector{kWhite, kWhite, kBlack, kWhite, outside, outside}));
    m.anzeige.punkte = false;
    modell({{250, 440, 0}, {250, 460, 0}, {-5, 3, 0}, {3, -5, 0}},
           {{1, 0}, {2, 2}, {3, 0}, {4, 0}});
    m.debuglinie = 2; // runs out of the bottom edge
    zeichnen(m);
    EXPECT_EQ(farben({{249, 449}, {251, 439}, {250, 450}}), (std::vector{kGreen, kGreen, outside}));
    m.debuglinie = 4; // touches the widened area at (-1, -1) only, where the pen reaches (0, 0)
    zeichnen(m);
    EXPECT_EQ(m.zebild.pixel(0, 0), kGreen);
}

// Far points are clipped keeping the stroke's direction; points at infinity or of no number,
// moves and highlights to them and rows outside the tables add nothing to the picture.
TEST_F(RendererTest, FarBrokenAndMissingPoints) {
    m.anzeige = {.punkte = true, .linien = true, .achsen = false};
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int zoom : {1, 10, INT_MAX}) {
        m.zoomfaktor = zoom;
        rotation2(m);
        modell({{1e12, 0, 0}}, {{1, 4}});
        zeichnen(m);
        const QImage weit = m.zebild.copy();
        // Direction of the x axis: 199 pixels right of the origin lie 76.06 pixels down.
        EXPECT_EQ(weit.pixel(235, 213), stored(150, 0, 0)) << zoom;
        const auto lit = [&weit](int y) { return qGray(weit.pixel(399, y)) > 0; };
        EXPECT_TRUE(std::ranges::any_of(std::views::iota(275, 278), lit)) << zoom;
        modell({{1e12, 0, 0}, {inf, 0, 0}, {nan, 1, 1}, {0, inf, inf}, {1e300, -1e300, 0}},
               {{1, 4}, {0, 0}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {5000, 4}, {-1, 4}});
        for (const auto& [punkt, linie] : {std::pair(2, 3), {3, 4}, {4000, 7}, {5, 3001}}) {
            m.debugpkt = punkt;
            m.debuglinie = linie;
            zeichnen(m);
            EXPECT_TRUE(m.zebild == weit) << zoom << ' ' << punkt << ' ' << linie;
        }
    }
}

// The labels the renderer holds are the letters as the system's font draws them without
// antialiasing, where that font is the one they were taken from.
TEST(Beschriftung, TheLettersOfDejaVuSansAtNinePoints) {
    QFont font;
    const QFontInfo schrift(font);
    if (schrift.family() != QStringLiteral("DejaVu Sans") || schrift.pixelSize() != 12) {
        if (!qEnvironmentVariableIsEmpty("CI")) {
            FAIL() << "the default font is not DejaVu Sans at 12 pixels (fonts-dejavu-core)";
        }
        GTEST_SKIP() << "the default font is " << schrift.family().toStdString()
                     << ", not DejaVu Sans: the labels cannot be compared";
    }
    font.setStyleStrategy(QFont::NoAntialias);
    for (const QChar c : {u'x', u'y', u'z'}) {
        QImage geschrieben(20, 20, QImage::Format_RGB32);
        geschrieben.fill(Qt::black);
        QImage gesetzt = geschrieben.copy();
        QPainter painter(&geschrieben);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(5, 12, QString(c)); // the left end of the baseline
        painter.end();
        for (const QPoint& p : beschriftungsPunkte(c)) {
            gesetzt.setPixel(p + QPoint(5, 12), qRgb(255, 255, 255));
        }
        EXPECT_EQ(gesetzt, geschrieben) << "letter " << c.toLatin1();
    }
    EXPECT_TRUE(beschriftungsPunkte(QChar::fromLatin1('w')).empty());
}

// At density d every length is d times as large in device pixels, and a line has one width
// along its whole length: a move (across) in each column, the highlight (down) in each row;
// the disc of point 5 and a label grow as much.
TEST_F(RendererTest, EveryLengthScalesWithTheDensity) {
    m.anzeige = {.punkte = true, .linien = true, .achsen = false};
    std::tie(m.basis, m.origx, m.origy, m.debuglinie) = std::tuple(Basis{}, 0, 0, 4);
    m.basis[1][1] = m.basis[2][2] = 1;
    modell({{20, 20, 0}, {170, 75, 0}, {60, 150, 0}, {90, 330, 0}, {150.3, 250.6, 0}},
           {{1, 0}, {2, 9}, {3, 0}, {4, 2}});
    const auto hoehe = [](double d) {
        const auto y = beschriftungsPunkte(QChar('z'), d) | std::views::transform(&QPoint::y);
        return std::ranges::max(y) - std::ranges::min(y) + 1;
    };
    for (const double d : {1.25, 1.5, 1.75, 2.0, 3.0}) {
        m.dichte = d;
        zeichnen(m);
        // Per column (row) the move's (highlight's, disc's) pixels; then {width: columns}.
        std::map<int, int> anzahl[3], breiten[3];
        for (int y = 0; y < geraeteGroesse(m).height(); ++y) {
            for (int x = 0; x < geraeteGroesse(m).width(); ++x) {
                const QRgb c = m.zebild.pixel(x, y);
                anzahl[0][x] += c == stored(105, 105, 255) ? 1 : 0;
                anzahl[1][y] += c == kGreen ? 1 : 0;
                anzahl[2][y] += c == kWhite && x > 120 * d && y > 200 * d ? 1 : 0;
            }
        }
        for (int i = 0; i < 3; ++i) {
            std::ranges::for_each(anzahl[i] | std::views::values, [&](int n) { ++breiten[i][n]; });
            breiten[i].erase(0);
        }
        const int s5 = geraeteLaenge(5, d);
        using Breiten = std::map<int, int>;
        EXPECT_EQ(breiten[0], (Breiten{{geraeteLaenge(1, d), int(170 * d) - int(20 * d) + 1}}))
            << d;
        EXPECT_EQ(breiten[1], (Breiten{{geraeteLaenge(3, d), int(330 * d) - int(150 * d) + 1}}))
            << d;
        const auto zeilen = std::ranges::count_if(anzahl[2], [](auto e) { return e.second > 0; });
        EXPECT_EQ(breiten[2].rbegin()->first, s5) << d;
        EXPECT_EQ(zeilen, s5) << d;
        EXPECT_NEAR(hoehe(d), d * hoehe(1), d) << d;
    }
    EXPECT_EQ(std::tuple(geraeteLaenge(1, 1.5), geraeteLaenge(5, 1.5), geraeteLaenge(3, 2)),
              std::tuple(2, 8, 6));
}

} // namespace
} // namespace wyk
