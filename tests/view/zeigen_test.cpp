#include "view/zeigen.h"

#include "view/projection.h"

#include <gtest/gtest.h>

namespace wyk {
namespace {

// Units as pixels, z unseen, the origin at (100, 100); moves 2 and 3 lie one over the other.
class ZeigenTest : public ::testing::Test {
protected:
    void SetUp() override {
        m.basis[1][1] = m.basis[2][2] = 1;
        m.origx = m.origy = 100;
        const std::array<double, 3> punkte[] = {
            {10, 0, 0}, {14, 0, 0}, {12, 0, 5}, {50, 0, 0}, {50, 40, 0}};
        for (const auto& p : punkte) {
            m.punkt[++m.anzpkt] = {0, p[0], p[1], p[2]};
        }
        const std::array<int, 2> zuege[] = {{4, 0}, {5, 3}, {4, 2}, {1, 0}};
        for (const auto& z : zuege) {
            m.linie[++m.anzlin] = {0, z[0], z[1]};
        }
    }

    Module1 m;
};

TEST_F(ZeigenTest, FindsTheNearestPointElseTheLastMove) {
    using enum Treffer::Art;
    struct Fall {
        const char* name;
        Anzeige anzeige;
        int x, y;
        Treffer erwartet;
        int debugpkt = 0, messpkt = 0, debuglinie = 0;
    };
    const Anzeige punkte{true, false, false}, linien{false, true, false};
    const Anzeige beide{true, true, false}, keine{false, false, false};
    const Fall faelle[] = {
        {"tie: the lower number", punkte, 111, 100, {Punkt, 1}},
        {"five pixels reach", punkte, 105, 100, {Punkt, 1}},
        {"six do not", punkte, 104, 100, {Nichts, 0}},
        {"no disc without Punkte", linien, 110, 100, {Nichts, 0}},
        {"a segment's end", linien, 150, 104, {Punkt, 4}},
        {"the later move", linien, 153, 120, {Linie, 3}},
        {"4 pixels off a move", linien, 154, 120, {Nichts, 0}},
        {"points before moves", beide, 150, 136, {Punkt, 5}},
        {"the marked move", keine, 130, 102, {Linie, 1}, 0, 0, 1},
        {"its start, the origin", keine, 101, 100, {Punkt, 0}, 0, 0, 1},
        {"a marked point", keine, 112, 103, {Punkt, 3}, 3},
        {"both measured points", keine, 113, 100, {Punkt, 2}, 3, 2},
    };
    for (const Fall& f : faelle) {
        m.anzeige = f.anzeige;
        std::tie(m.debugpkt, m.messpkt, m.debuglinie) =
            std::tuple(f.debugpkt, f.messpkt, f.debuglinie);
        EXPECT_EQ(trefferBei(m, f.x, f.y), f.erwartet) << f.name;
    }
}

TEST_F(ZeigenTest, NamesPointsMovesAndMeasurements) {
    m.punkt[3] = {0, 0.5, -6, 0};
    m.punkt[17] = {0, 1.5, -2, 0};
    m.punkt[4] = {0, 0, 0, 0};
    m.punkt[9] = {0, 1.5, 2, 0};
    m.linie[4][1] = 4;
    m.linie[5] = {0, 9, 3};
    m.debugpkt = 3;
    m.messpkt = 17;
    const std::pair<QString, QString> faelle[] = {
        {punktText(m, 17), "Punkt 17: x 1.5, y -2, z 0"},
        {linienText(m, 5), "Linie 5: Punkt 4 – Punkt 9, Farbe 3, Länge 2.5"},
        {markenText(m), "Punkt 3 → Punkt 17: Abstand 4.1231, Δx 1, Δy 4, Δz 0"},
        {trefferText(m, {Treffer::Art::Punkt, 0}), "Punkt 0: x 0, y 0, z 0"},
        {trefferText(m, {}), ""},
    };
    for (const auto& [text, erwartet] : faelle) {
        EXPECT_EQ(text, erwartet);
    }
}

} // namespace
} // namespace wyk
