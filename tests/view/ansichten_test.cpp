#include "view/ansichten.h"
#include "view/einpassen.h"
#include "view/projection.h"
#include "view/raster.h"
#include "view/renderer.h"

#include <QImage>
#include <QRect>
#include <cmath>
#include <numbers>
#include <gtest/gtest.h>

namespace wyk {
namespace {

// The main window's state, with the zoom field and the redraws that reach the canvas counted.
struct Fenster {
    Fenster() {
        m.fenster.zoomTextSetzen = [this](const QString& text) { zoomText = text; };
        m.fenster.canvasZeigen = [this] { ++redraws; };
        m.fenster.schalter = [this] { return anzeige; };
    }
    Module1 m;
    Anzeige anzeige;
    QString zoomText;
    int redraws = 0;
};

// The pixels the scene lights, black being the background: their bounding box.
QRect gezeichnet(const Module1& m, Anzeige anzeige) {
    QImage bild(m.breite, m.hoehe, QImage::Format_RGB16);
    Raster raster(bild, m.breite, m.hoehe);
    szeneZeichnen(raster, m, anzeige);
    QRect box;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixel(x, y) != qRgb(0, 0, 0)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// A small house: a box of 6 x 4 x 3 with a roof, its pen path drawing every edge once.
void haus(Module1& m) {
    const std::array<std::array<double, 3>, 10> punkte = {{{0, 0, 0}, {6, 0, 0}, {6, 4, 0},
                                                           {0, 4, 0}, {0, 0, 3}, {6, 0, 3},
                                                           {6, 4, 3}, {0, 4, 3}, {0, 2, 5},
                                                           {6, 2, 5}}};
    const int pfad[] = {1, 2, 3, 4, 1, 5, 6, 7, 8, 5, 9, 10, 6, 2, 3, 7, 10, 9, 8, 4};
    m.anzpkt = 10;
    for (int p = 0; p < 10; ++p) {
        m.punkt[p + 1] = {0, punkte[p][0] + 2, punkte[p][1] - 1, punkte[p][2]};
    }
    m.anzlin = 20;
    for (int l = 0; l < 20; ++l) {
        m.linie[l + 1] = {0, pfad[l], l == 0 ? 0 : 1 + l % 15};
    }
}

// Each key shows its side: where one unit along x, y and z goes on the screen (right and
// down positive), in pixels at zoom 1; zoom and origin stay and the scene is redrawn once.
TEST(Standardansicht, EachKeyShowsItsSideAndKeepsZoomAndOrigin) {
    struct Fall {
        const char* name;
        int taste;
        Qt::KeyboardModifiers mods;
        std::array<std::array<long, 2>, 3> achsen; // x, y, z
    };
    const Fall faelle[] = {
        {"front", Qt::Key_1, Qt::NoModifier, {{{1, 0}, {0, 0}, {0, -1}}}},
        {"back", Qt::Key_1, Qt::ControlModifier, {{{-1, 0}, {0, 0}, {0, -1}}}},
        {"right", Qt::Key_3, Qt::KeypadModifier, {{{0, 0}, {1, 0}, {0, -1}}}},
        {"left", Qt::Key_3, Qt::ControlModifier | Qt::KeypadModifier, {{{0, 0}, {-1, 0}, {0, -1}}}},
        {"top", Qt::Key_7, Qt::NoModifier, {{{1, 0}, {0, -1}, {0, 0}}}},
        {"bottom", Qt::Key_7, Qt::ControlModifier, {{{1, 0}, {0, 1}, {0, 0}}}},
    };
    for (const Fall& f : faelle) {
        Fenster w;
        ASSERT_TRUE(init(w.m).isDone());
        std::tie(w.m.zoomfaktor, w.m.origx, w.m.origy, w.m.rotwinkel[1], w.m.rotwinkel[3]) =
            std::tuple(1, 123, 45, 2.5, -7.0);
        w.redraws = 0;
        EXPECT_TRUE(ansichtTaste(w.m, f.taste, f.mods)) << f.name;
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(std::lround(w.m.basis[k][1]), f.achsen[k - 1][0]) << f.name << " axis " << k;
            EXPECT_EQ(std::lround(w.m.basis[k][2]), f.achsen[k - 1][1]) << f.name << " axis " << k;
        }
        EXPECT_EQ(std::tuple(w.m.zoomfaktor, w.m.origx, w.m.origy), std::tuple(1, 123, 45)) << f.name;
        EXPECT_EQ(w.redraws, 1) << f.name;
        const Seite* seite = seiteNamens(QString::fromLatin1(f.name).toUpper());
        ASSERT_NE(seite, nullptr) << f.name;
        EXPECT_EQ(std::pair(seite->drehung, seite->neigung),
                  std::pair(w.m.rotwinkel[3], w.m.rotwinkel[1]))
            << f.name;
    }
    EXPECT_EQ(seiteNamens("start")->drehung, kStartDrehung);
    EXPECT_EQ(seiteNamens("start")->neigung, kStartNeigung);
    EXPECT_EQ(seiteNamens("vorn"), nullptr);
}

TEST(Standardansicht, OtherKeysAndModifiersChangeNothing) {
    const std::pair<int, Qt::KeyboardModifiers> faelle[] = {
        {Qt::Key_2, Qt::NoModifier},          {Qt::Key_0, Qt::NoModifier},
        {Qt::Key_1, Qt::AltModifier},         {Qt::Key_7, Qt::ShiftModifier},
        {Qt::Key_3, Qt::MetaModifier},        {Qt::Key_F, Qt::ControlModifier},
        {Qt::Key_F, Qt::AltModifier},         {Qt::Key_G, Qt::NoModifier},
    };
    for (const auto& [taste, mods] : faelle) {
        Fenster w;
        haus(w.m);
        w.m.rotwinkel = {0, 0.5, 0, 0.25};
        rotation2(w.m);
        const Module1 vorher = w.m;
        EXPECT_FALSE(ansichtTaste(w.m, taste, mods)) << taste << " " << mods.toInt();
        EXPECT_EQ(w.m.rotwinkel, vorher.rotwinkel) << taste;
        EXPECT_EQ(std::tuple(w.m.zoomfaktor, w.m.origx, w.m.origy),
                  std::tuple(vorher.zoomfaktor, vorher.origx, vorher.origy))
            << taste;
        EXPECT_EQ(w.redraws, 0) << taste;
    }
}

// Where the pen path's points lie on the screen: the smallest box around their positions.
struct Lage {
    double links = 1e300, rechts = -1e300, oben = 1e300, unten = -1e300;
};
Lage lage(const Module1& m) {
    Lage l;
    for (int p = 1; p <= m.anzpkt; ++p) {
        const auto [x, y] = bildlage(m.basis, m.punkt[p]);
        l = {std::min(l.links, x + m.origx), std::max(l.rechts, x + m.origx),
             std::min(l.oben, y + m.origy), std::max(l.unten, y + m.origy)};
    }
    return l;
}

// F: the largest whole zoom at which what is drawn (not the axes) lies inside the margin of
// 1/32 of the shorter side, a pixel for rounding and a point's radius, centred; zoom 1
// centred where nothing smaller fits; unchanged where nothing is drawn. Shown in the zoom
// field, redrawn once.
TEST(Einpassen, FFitsTheDrawingWithTheLargestWholeZoom) {
    struct Fall {
        const char* name;
        double groesse; // scales the house
        Anzeige anzeige;
        QSize zeichnung;
    };
    const Fall faelle[] = {
        {"lines", 1, {false, true, true}, {400, 400}},
        {"points", 3, {true, false, true}, {600, 450}},
        {"huge", 1e5, {false, true, false}, {400, 400}},
        {"nothing shown", 1, {false, false, true}, {400, 400}},
    };
    for (const Fall& f : faelle) {
        Fenster w;
        ASSERT_TRUE(init(w.m).isDone());
        haus(w.m);
        for (int p = 1; p <= w.m.anzpkt; ++p) {
            for (int k = 1; k <= 3; ++k) {
                w.m.punkt[p][k] *= f.groesse;
            }
        }
        w.anzeige = f.anzeige;
        std::tie(w.m.breite, w.m.hoehe, w.m.origx, w.m.origy) =
            std::tuple(f.zeichnung.width(), f.zeichnung.height(), 7, 9);
        w.redraws = 0;
        w.zoomText.clear();
        EXPECT_TRUE(ansichtTaste(w.m, Qt::Key_F, Qt::ShiftModifier)) << f.name;
        EXPECT_EQ(w.redraws, 1) << f.name;
        if (!f.anzeige.punkte && !f.anzeige.linien) {
            EXPECT_EQ(std::tuple(w.m.zoomfaktor, w.m.origx, w.m.origy), std::tuple(10, 7, 9));
            EXPECT_EQ(w.zoomText, QString()) << f.name;
            continue;
        }
        EXPECT_EQ(w.zoomText, QString::number(w.m.zoomfaktor)) << f.name;
        const Lage l = lage(w.m);
        EXPECT_LE(std::abs(l.links + l.rechts - f.zeichnung.width()), 2.0) << f.name;
        EXPECT_LE(std::abs(l.oben + l.unten - f.zeichnung.height()), 2.0) << f.name;
        if (f.groesse > 1000) {
            EXPECT_EQ(w.m.zoomfaktor, 1) << f.name;
            continue;
        }
        const int rand = std::min(f.zeichnung.width(), f.zeichnung.height()) / 32;
        const QRect box = gezeichnet(w.m, {f.anzeige.punkte, f.anzeige.linien, false});
        EXPECT_TRUE(QRect(QPoint(0, 0), f.zeichnung).adjusted(rand, rand, -rand, -rand).contains(box))
            << f.name << " at zoom " << w.m.zoomfaktor;
        // One zoom step more would leave the margin on one side at least.
        const double mehr = (w.m.zoomfaktor + 1.0) / w.m.zoomfaktor;
        const int reserve = 2 * (rand + 1 + (f.anzeige.punkte ? kPunktScheibe / 2 : 0));
        EXPECT_TRUE((l.rechts - l.links) * mehr > f.zeichnung.width() - reserve ||
                    (l.unten - l.oben) * mehr > f.zeichnung.height() - reserve)
            << f.name << " at zoom " << w.m.zoomfaktor;
    }
}

// A turning picture fitted once: every picture's drawing lies inside the margin, and one step
// more would leave it in one of them at least.
TEST(Einpassen, RundumFitsEveryPictureOfTheTurn) {
    Module1 m;
    haus(m);
    m.rotwinkel = {0, 0.3, 0, 0.2};
    const Anzeige anzeige{true, true, false};
    const int bilder = 7;
    const auto e = einpassenRundum(m, anzeige, true, bilder);
    ASSERT_TRUE(e.has_value());
    einpassungAnwenden(m, *e);
    const int rand = 400 / 32;
    Lage alle;
    for (int i = 0; i < bilder; ++i) {
        Module1 bild = m;
        bild.rotwinkel[3] = 0.2 + 2 * std::numbers::pi * i / bilder;
        rotation2(bild);
        const QRect box = gezeichnet(bild, anzeige);
        EXPECT_TRUE(QRect(0, 0, 400, 400).adjusted(rand, rand, -rand, -rand).contains(box))
            << "picture " << i;
        const Lage l = lage(bild);
        alle = {std::min(alle.links, l.links), std::max(alle.rechts, l.rechts),
                std::min(alle.oben, l.oben), std::max(alle.unten, l.unten)};
    }
    // The origin is one for all pictures, so what they show together must fit.
    const double mehr = (m.zoomfaktor + 1.0) / m.zoomfaktor;
    EXPECT_GT(std::max(alle.rechts - alle.links, alle.unten - alle.oben) * mehr,
              400 - 2 * (rand + 1 + kPunktScheibe / 2))
        << "zoom " << m.zoomfaktor;
    EXPECT_EQ(bildDrehung(0.2, 0, bilder), 0.2);
}

} // namespace
} // namespace wyk
