#include "view/interaction.h"
#include "view/projection.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace wyk {
namespace {

// The view state after init, with the redraws and the zoom field's texts recorded.
class InteractionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(init(m).isDone());
        m.fenster.canvasZeigen = [this] { ++redraws; };
        m.fenster.zoomTextSetzen = [this](const QString& text) { feld << text; };
    }

    // The basis as rotation2 builds it from the current angles and zoom.
    std::array<std::array<double, 3>, 4> erwarteteBasis() const {
        Module1 kopie;
        kopie.rotwinkel = m.rotwinkel;
        kopie.zoomfaktor = m.zoomfaktor;
        rotation2(kopie);
        return kopie.basis;
    }

    Module1 m;
    int redraws = 0;
    QStringList feld;
};

struct Zug {
    int x;
    int y;
};

struct DrehFall {
    const char* name;
    Zug druck;
    std::vector<Zug> zuege;
    double drehung; // added to rotwinkel[3]
    double neigung; // added to rotwinkel[1]
};

TEST_F(InteractionTest, RotatingDragsTurnAndTilt) {
    const DrehFall faelle[] = {
        {"right by 100", {100, 100}, {{200, 100}}, 1.57, 0.0},
        {"then down by 200", {100, 100}, {{200, 100}, {200, 300}}, 1.57, 3.14},
        {"left and up", {100, 100}, {{0, 50}}, -1.57, -0.785},
        {"there and back", {10, 10}, {{60, 90}, {10, 10}}, 0.0, 0.0},
        {"across the whole Integer range",
         {INT_MIN, INT_MAX},
         {{INT_MAX, INT_MIN}},
         4294967295.0 / 200 * 3.14,
         -4294967295.0 / 200 * 3.14},
    };
    for (const DrehFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        m.rotwinkel = {0.0, 0.5, 0.0, -0.5};
        mausRunter(m, fall.druck.x, fall.druck.y);
        for (const Zug& zug : fall.zuege) {
            mausZiehen(m, zug.x, zug.y, true);
        }
        EXPECT_NEAR(m.rotwinkel[3], -0.5 + fall.drehung, 1e-9 * (1 + std::abs(fall.drehung)));
        EXPECT_NEAR(m.rotwinkel[1], 0.5 + fall.neigung, 1e-9 * (1 + std::abs(fall.neigung)));
        EXPECT_EQ(m.rotwinkel[0], 0.0);
        EXPECT_EQ(m.rotwinkel[2], 0.0);
        EXPECT_EQ(m.mausx, fall.zuege.back().x);
        EXPECT_EQ(m.mausy, fall.zuege.back().y);
        EXPECT_EQ(m.basis, erwarteteBasis());
    }
}

struct SchiebFall {
    const char* name;
    int origx;
    int origy;
    Zug druck;
    Zug ziel;
    int neuX;
    int neuY;
};

TEST_F(InteractionTest, ShiftingDragsMoveTheOrigin) {
    const SchiebFall faelle[] = {
        {"right and up", 200, 200, {50, 60}, {60, 55}, 210, 195},
        {"out of the canvas", 200, 200, {10, 10}, {-500, 900}, -310, 1090},
        {"saturates above", INT_MAX - 5, 0, {0, 0}, {10, 0}, INT_MAX, 0},
        {"saturates below", 0, INT_MIN + 3, {0, 0}, {0, -10}, 0, INT_MIN},
        {"from far left to far right", 0, 0, {INT_MIN, 0}, {INT_MAX, 0}, INT_MAX, 0},
    };
    for (const SchiebFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        m.origx = fall.origx;
        m.origy = fall.origy;
        const auto winkel = m.rotwinkel;
        mausRunter(m, fall.druck.x, fall.druck.y);
        mausZiehen(m, fall.ziel.x, fall.ziel.y, false);
        EXPECT_EQ(m.origx, fall.neuX);
        EXPECT_EQ(m.origy, fall.neuY);
        EXPECT_EQ(m.rotwinkel, winkel);
        EXPECT_EQ(m.mausx, fall.ziel.x);
        EXPECT_EQ(m.mausy, fall.ziel.y);
    }
}

TEST_F(InteractionTest, EveryDragRedrawsEvenWithoutMovement) {
    for (const bool rotieren : {true, false}) {
        redraws = 0;
        m.basis = {};
        mausRunter(m, 30, 40);
        mausZiehen(m, 30, 40, rotieren);
        EXPECT_EQ(redraws, 1);
        EXPECT_EQ(m.basis, erwarteteBasis()) << "the basis is rebuilt before the redraw";
    }
}

TEST_F(InteractionTest, PressOnlyRemembersThePosition) {
    const auto winkel = m.rotwinkel;
    mausRunter(m, 7, -3);
    EXPECT_EQ(m.mausx, 7);
    EXPECT_EQ(m.mausy, -3);
    EXPECT_EQ(m.rotwinkel, winkel);
    EXPECT_EQ(redraws, 0);
}

struct RadFall {
    int zoom;
    int delta;
    int neu;
};

TEST_F(InteractionTest, WheelSubtractsItsDeltaFromTheZoom) {
    const RadFall faelle[] = {
        {10, 3, 7},      {10, -5, 15},           {10, 20, 1},           {10, 9, 1}, {1, 1, 1},
        {2, INT_MAX, 1}, {INT_MAX, -1, INT_MAX}, {5, INT_MIN, INT_MAX},
    };
    for (const RadFall& fall : faelle) {
        SCOPED_TRACE(::testing::Message() << fall.zoom << " - " << fall.delta);
        m.zoomfaktor = fall.zoom;
        feld.clear();
        redraws = 0;
        mausRad(m, fall.delta);
        EXPECT_EQ(m.zoomfaktor, fall.neu);
        EXPECT_EQ(feld, QStringList{QString::number(fall.neu)});
        EXPECT_EQ(redraws, 1);
        EXPECT_EQ(m.basis, erwarteteBasis());
    }
}

TEST_F(InteractionTest, ArrowDownStopsAtOneWithoutRedrawing) {
    m.zoomfaktor = 2;
    EXPECT_TRUE(zoomRunter(m));
    EXPECT_EQ(m.zoomfaktor, 1);
    EXPECT_EQ(feld, QStringList{QStringLiteral("1")});
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(m.basis, erwarteteBasis());

    m.basis = {};
    EXPECT_FALSE(zoomRunter(m));
    EXPECT_EQ(m.zoomfaktor, 1);
    EXPECT_EQ(feld.size(), 1);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(m.basis[1][1], 0.0) << "not even the basis is rebuilt";
}

TEST_F(InteractionTest, ArrowUpHasNoCeilingButTheIntegerRange) {
    const RadFall faelle[] = {
        {10, 0, 11}, {1, 0, 2}, {INT_MAX - 1, 0, INT_MAX}, {INT_MAX, 0, INT_MAX}};
    for (const RadFall& fall : faelle) {
        m.zoomfaktor = fall.zoom;
        feld.clear();
        zoomRauf(m);
        EXPECT_EQ(m.zoomfaktor, fall.neu);
        EXPECT_EQ(feld, QStringList{QString::number(fall.neu)});
        EXPECT_EQ(m.basis, erwarteteBasis());
    }
}

struct TextFall {
    const char* text;
    int zoom;
    bool eins; // the field must show "1"
};

TEST_F(InteractionTest, ZoomTextGivesTheZoomOrOne) {
    const TextFall faelle[] = {
        {"25", 25, false},
        {"2", 2, false},
        {"7.9", 7, false},
        {" 12", 12, false},
        {"3abc", 3, false},
        {"1e3", 1000, false},
        {"1", 1, false},
        {"", 1, true},
        {"0", 1, true},
        {"-4", 1, true},
        {"abc", 1, true},
        {"0.5", 1, true},
        {"-", 1, true},
        {"99999999999", INT_MAX, false},
        {"1e400", INT_MAX, false},
    };
    for (const TextFall& fall : faelle) {
        SCOPED_TRACE(fall.text);
        m.zoomfaktor = 10;
        redraws = 0;
        EXPECT_EQ(zoomText(m, QString::fromLatin1(fall.text)), fall.eins);
        EXPECT_EQ(m.zoomfaktor, fall.zoom);
        EXPECT_EQ(redraws, 1);
        EXPECT_EQ(m.basis, erwarteteBasis());
    }
}

TEST_F(InteractionTest, ResetRestoresAnglesAndCentresTheOrigin) {
    struct Fall {
        int breite;
        int hoehe;
        int origx;
        int origy;
    };
    const Fall faelle[] = {{400, 400, 200, 200}, {401, 865, 200, 432}, {1424, 399, 712, 199}};
    for (const Fall& fall : faelle) {
        m.breite = fall.breite;
        m.hoehe = fall.hoehe;
        m.rotwinkel = {1.0, 2.0, 3.0, 4.0};
        m.origx = -70;
        m.origy = 5000;
        m.zoomfaktor = 33;
        zuruecksetzen(m);
        EXPECT_EQ(m.rotwinkel, (std::array<double, 4>{1.0, kStartNeigung, 3.0, kStartDrehung}));
        EXPECT_EQ(m.origx, fall.origx);
        EXPECT_EQ(m.origy, fall.origy);
        EXPECT_EQ(m.zoomfaktor, 33);
        EXPECT_EQ(m.basis, erwarteteBasis());
    }
}

struct GroesseFall {
    const char* name;
    int origx;
    int origy;
    int breite; // new content size
    int hoehe;
    int neueBreite;
    int neueHoehe;
    int neuX;
    int neuY;
};

TEST_F(InteractionTest, ResizeKeepsTheOriginInProportion) {
    const GroesseFall faelle[] = {
        {"larger", 200, 200, 776, 635, 600, 600, 300, 300},
        {"same size", 200, 200, 576, 435, 400, 400, 200, 200},
        {"largest", 100, 300, 1600, 900, 1424, 865, 356, 648},
        {"origin shifted outside", -100, 500, 776, 635, 600, 600, -150, 750},
        {"beyond the limits", 200, 200, 5000, 3000, 1424, 865, 712, 432},
        {"below the limits", 200, 200, 0, -10, 400, 400, 200, 200},
    };
    for (const GroesseFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        m.breite = 400;
        m.hoehe = 400;
        m.origx = fall.origx;
        m.origy = fall.origy;
        redraws = 0;
        groesseGeaendert(m, fall.breite, fall.hoehe);
        EXPECT_EQ(m.breite, fall.neueBreite);
        EXPECT_EQ(m.hoehe, fall.neueHoehe);
        EXPECT_EQ(m.origx, fall.neuX);
        EXPECT_EQ(m.origy, fall.neuY);
        EXPECT_EQ(redraws, 1);
        EXPECT_EQ(zeichenBreite(fall.breite), fall.neueBreite);
        EXPECT_EQ(zeichenHoehe(fall.hoehe), fall.neueHoehe);
    }
}

TEST_F(InteractionTest, ResizeDoesNotRebuildTheBasis) {
    m.zoomfaktor = 50;
    const auto basis = m.basis;
    groesseGeaendert(m, 700, 500);
    EXPECT_EQ(m.basis, basis);
}

} // namespace
} // namespace wyk
