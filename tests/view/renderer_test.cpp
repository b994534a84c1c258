#include "model/reader.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace wyk {
namespace {

// What a 16-bit picture keeps of a colour.
QRgb stored(int r, int g, int b) {
    QImage probe(1, 1, QImage::Format_RGB16);
    probe.fill(QColor(r, g, b));
    return probe.pixel(0, 0);
}

const QRgb kBlack = stored(0, 0, 0);
const QRgb kRed = stored(255, 0, 0);
const QRgb kGreen = stored(0, 255, 0);
const QRgb kWhite = stored(255, 255, 255);

class RendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        m.fenster.schalter = [this] { return anzeige; };
        ASSERT_TRUE(init(m).isDone());
    }

    QRgb at(int x, int y) const { return m.zebild.pixel(x, y); }

    bool anyInBox(int left, int top, int right, int bottom, QRgb colour) const {
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                if (at(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }

    // A model of its points and moves, as the reader would leave it.
    void modell(std::initializer_list<std::array<double, 3>> punkte,
                std::initializer_list<std::array<int, 2>> zuege) {
        m.anzpkt = 0;
        for (const auto& p : punkte) {
            ++m.anzpkt;
            m.punkt[m.anzpkt] = {0, p[0], p[1], p[2]};
        }
        m.anzlin = 0;
        for (const auto& z : zuege) {
            ++m.anzlin;
            m.linie[m.anzlin] = {0, z[0], z[1]};
        }
    }

    Module1 m;
    Anzeige anzeige;
};

// The axes are 100 pixels long in the model's scale at zoom 10 whatever the zoom: their tips
// (270.74, 227.04), (270.68, 172.94), (200.00, 107.60) with the fractions discarded.
TEST_F(RendererTest, FirstDrawingShowsOnlyTheAxesTheSameAtEveryZoom) {
    for (int zoom : {10, 1, 37}) {
        SCOPED_TRACE(zoom);
        m.zoomfaktor = zoom;
        rotation2(m);
        zeichnen(m);
        EXPECT_EQ(at(390, 390), kBlack);
        // The origin disc: 5 x 5 without its corners.
        EXPECT_EQ(at(198, 199), kRed);
        EXPECT_EQ(at(202, 201), kRed);
        EXPECT_EQ(at(198, 198), kBlack);
        EXPECT_EQ(at(202, 202), kBlack);
        for (const QPoint tip : {QPoint(270, 227), QPoint(270, 172), QPoint(200, 107)}) {
            EXPECT_EQ(at(tip.x(), tip.y()), kRed) << tip.x() << "," << tip.y();
            EXPECT_EQ(at(tip.x() + 1, tip.y() + 1), kBlack);
            // The label stands right of the tip, on its baseline.
            EXPECT_TRUE(anyInBox(tip.x() + 1, tip.y() - 14, tip.x() + 12, tip.y() - 1, kRed));
        }
        EXPECT_EQ(at(235, 213), kRed) << "the middle of the x axis";
        EXPECT_EQ(at(200, 150), kRed) << "the z axis is vertical";
    }
}

TEST_F(RendererTest, AxesCoverTheExampleSegmentsTheyLieOn) {
    Module1 geladen;
    ASSERT_TRUE(ladeDatei(geladen, WYK_EXAMPLES_DIR "/dreieck.wyk").isDone());
    static_cast<Modell&>(m) = geladen;
    zeichnen(m);
    EXPECT_EQ(at(270, 199), stored(105, 255, 105)) << "point 2 to point 3 keeps its own colour";
    EXPECT_EQ(at(235, 213), kRed) << "point 1 to point 2 lies under the x axis";
    anzeige.achsen = false;
    zeichnen(m);
    EXPECT_EQ(at(235, 213), stored(255, 105, 105)) << "colour 12";
    EXPECT_EQ(at(235, 186), stored(105, 105, 255)) << "colour 9 back to the origin";
}

TEST_F(RendererTest, PaletteOfTheColourCodes) {
    anzeige.achsen = false;
    // Colour code, then red, green and blue.
    const std::array<int, 4> cases[] = {
        {1, 0, 0, 150},     {2, 0, 150, 0},      {4, 150, 0, 0},      {7, 150, 150, 150},
        {8, 105, 105, 105}, {9, 105, 105, 255},  {12, 255, 105, 105}, {15, 255, 255, 255},
        {17, 0, 0, 150},    {-1, 255, 255, 255}, {-6, 105, 255, 105}, {16, 0, 0, 0},
        {-16, 0, 0, 0},     {32, 0, 0, 0},
    };
    for (const auto& [code, r, g, b] : cases) {
        // Move 1 draws from the origin; a white stroke first shows that black wipes it out.
        modell({{10, 0, 0}}, {{1, 15}, {0, 0}, {1, code}});
        zeichnen(m);
        EXPECT_EQ(at(235, 213), stored(r, g, b)) << "code " << code;
    }
}

TEST_F(RendererTest, PenMovesAndTheFirstMove) {
    anzeige.achsen = false;
    modell({{10, 0, 0}, {0, 10, 0}}, {{1, 0}, {2, 10}});
    zeichnen(m);
    EXPECT_EQ(at(235, 213), kBlack) << "a move with code 0 draws nothing";
    EXPECT_EQ(at(270, 199), stored(105, 255, 105)) << "the next stroke starts at its point";

    modell({{10, 0, 0}, {0, 10, 0}}, {{2, 0}, {0, 0}, {1, 12}});
    zeichnen(m);
    EXPECT_EQ(at(235, 213), stored(255, 105, 105)) << "a move to point 0 returns to the origin";
}

TEST_F(RendererTest, PointsAndHighlights) {
    anzeige.achsen = false;
    anzeige.linien = false;
    modell({{10, 0, 0}, {0, 10, 0}}, {{1, 0}, {2, 10}});
    zeichnen(m);
    EXPECT_EQ(at(270, 227), kBlack) << "points are off";

    anzeige.punkte = true;
    zeichnen(m);
    EXPECT_EQ(at(200, 200), kBlack) << "the origin is no point";
    EXPECT_EQ(at(270, 227), kWhite);
    EXPECT_EQ(at(268, 227), kWhite);
    EXPECT_EQ(at(268, 225), kBlack) << "corner of the 5 x 5 box";

    anzeige.punkte = false;
    m.debugpkt = 1;
    zeichnen(m);
    EXPECT_EQ(at(270, 227), kGreen) << "highlighted even with points off";
    EXPECT_EQ(at(267, 227), kGreen) << "7 pixels across";
    EXPECT_EQ(at(267, 224), kBlack);

    m.debugpkt = 0;
    m.debuglinie = 2;
    zeichnen(m);
    EXPECT_EQ(at(267, 227), kBlack) << "the point highlight is gone";
    EXPECT_EQ(at(270, 199), kGreen) << "move 2 highlighted although lines are off";
    EXPECT_EQ(at(269, 199), kGreen) << "3 pixels thick";
    EXPECT_EQ(at(271, 199), kGreen);
    EXPECT_EQ(at(272, 199), kBlack);

    anzeige.linien = true;
    m.debuglinie = 0;
    zeichnen(m);
    EXPECT_EQ(at(270, 199), stored(105, 255, 105));
    EXPECT_EQ(at(271, 199), kBlack) << "1 pixel thick again";

    m.debuglinie = 1;
    zeichnen(m);
    EXPECT_EQ(at(235, 213), kGreen) << "move 1 runs from the origin even with code 0";
}

TEST_F(RendererTest, DiscsAndLinesAtTheEdgesOfTheArea) {
    anzeige.achsen = false;
    anzeige.linien = false;
    anzeige.punkte = true;
    m.origx = 0;
    m.origy = 0;
    m.breite = 500;
    m.hoehe = 450;
    m.zebild.fill(Qt::blue);
    const QRgb outside = stored(0, 0, 255);
    // Model units map to pixels one to one along x and y for this basis.
    m.basis = {};
    m.basis[1][1] = 1;
    m.basis[2][2] = 1;
    modell({{-1, -1, 0},
            {-2, 200, 0},
            {499, 449, 0},
            {-3, 300, 0},
            {250, 440, 0},
            {250, 460, 0},
            {-5, 3, 0},
            {3, -5, 0}},
           {{5, 0}, {6, 2}, {7, 0}, {8, 0}});
    zeichnen(m);
    EXPECT_EQ(at(0, 0), kWhite) << "disc around (-1, -1)";
    EXPECT_EQ(at(0, 200), kWhite) << "the right edge of the disc around (-2, 200)";
    EXPECT_EQ(at(0, 300), kBlack) << "the disc around (-3, 300) lies left of the area";
    EXPECT_EQ(at(499, 449), kWhite);
    EXPECT_EQ(at(500, 449), outside) << "nothing drawn beyond the area";
    EXPECT_EQ(at(499, 450), outside);

    anzeige.punkte = false;
    m.debuglinie = 2;
    zeichnen(m);
    EXPECT_EQ(at(249, 449), kGreen) << "the highlighted move runs out of the bottom edge";
    EXPECT_EQ(at(251, 439), kGreen);
    EXPECT_EQ(at(250, 450), outside);
    m.debuglinie = 4; // touches the widened area at (-1, -1) only, where the pen reaches (0, 0)
    zeichnen(m);
    EXPECT_EQ(at(0, 0), kGreen);
}

TEST_F(RendererTest, RowsOutsideTheTablesAreSkipped) {
    anzeige.achsen = false;
    modell({{10, 0, 0}}, {{1, 4}, {5000, 4}, {1, 4}, {-1, 4}, {1, 4}});
    m.debuglinie = 2;
    m.debugpkt = 4000;
    zeichnen(m);
    EXPECT_EQ(at(235, 213), stored(150, 0, 0));
    m.anzlin = 5000;
    m.debuglinie = 3001;
    zeichnen(m);
    EXPECT_EQ(at(235, 213), stored(150, 0, 0));
}

TEST_F(RendererTest, FarAndBrokenCoordinates) {
    anzeige.achsen = false;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Point 1 lies far away along the x axis; the stroke keeps its direction to the edge.
    modell({{1e12, 0, 0}, {inf, 0, 0}, {nan, 1, 1}, {0, inf, inf}, {1e300, -1e300, 0}},
           {{1, 4}, {0, 0}, {2, 4}, {3, 4}, {4, 4}, {5, 4}});
    anzeige.punkte = true;
    m.debugpkt = 3;
    m.debuglinie = 4;
    for (int zoom : {1, 10, std::numeric_limits<int>::max()}) {
        m.zoomfaktor = zoom;
        rotation2(m);
        zeichnen(m);
        // Direction of the x axis: 199 pixels right of the origin lie 76.06 pixels down.
        EXPECT_EQ(at(235, 213), stored(150, 0, 0)) << "zoom " << zoom;
        EXPECT_TRUE(anyInBox(399, 275, 399, 277, stored(150, 0, 0))) << "zoom " << zoom;
        EXPECT_EQ(at(200, 150), kBlack) << "nothing drawn towards points at infinity";
    }
}

// The about window's pictures show their model whole: the lit pixels keep off every edge and
// lie in the middle.
TEST(Bilder, ShowTheirModelWholeAndCentred) {
    Resources ressourcen;
    for (const int nummer : {168, 169}) {
        const QImage bild = ressourcen.picture(nummer);
        QRect hell;
        for (int y = 0; y < bild.height(); ++y) {
            for (int x = 0; x < bild.width(); ++x) {
                if (bild.pixel(x, y) != qRgb(0, 0, 0)) {
                    hell |= QRect(x, y, 1, 1);
                }
            }
        }
        const int links = hell.left();
        const int rechts = bild.width() - 1 - hell.right();
        const int oben = hell.top();
        const int unten = bild.height() - 1 - hell.bottom();
        EXPECT_TRUE(std::min({links, rechts, oben, unten}) >= 2 && std::abs(links - rechts) <= 2 &&
                    std::abs(oben - unten) <= 2)
            << nummer << ": " << links << ' ' << rechts << ' ' << oben << ' ' << unten;
    }
}

} // namespace
} // namespace wyk
