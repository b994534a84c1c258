#include "view/interaction.h"
#include "view/projection.h"

#include <climits>
#include <gtest/gtest.h>

namespace wyk {
namespace {

// The edges of the Integer range, which the main window's tests cannot reach: nothing may
// overflow, and drags and zoom changes rebuild the basis from the new angles and zoom.
class InteractionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(init(m).isDone()); }

    void erwarteNeueBasis() const {
        Module1 kopie;
        kopie.rotwinkel = m.rotwinkel;
        kopie.zoomfaktor = m.zoomfaktor;
        rotation2(kopie);
        EXPECT_EQ(m.basis, kopie.basis);
    }

    Module1 m;
};

TEST_F(InteractionTest, DragsAcrossTheWholeIntegerRange) {
    const auto winkel = m.rotwinkel;
    mausRunter(m, INT_MIN, INT_MAX);
    mausZiehen(m, INT_MAX, INT_MIN, true);
    const double weg = 4294967295.0 / 200 * 3.14;
    EXPECT_NEAR(m.rotwinkel[3] - winkel[3], weg, 1e-9 * weg);
    EXPECT_NEAR(m.rotwinkel[1] - winkel[1], -weg, 1e-9 * weg);
    erwarteNeueBasis();
    std::tie(m.origx, m.origy) = std::pair(INT_MAX - 5, INT_MIN + 3);
    mausRunter(m, 0, 0);
    mausZiehen(m, 10, -10, false);
    EXPECT_EQ(std::pair(m.origx, m.origy), std::pair(INT_MAX, INT_MIN));
}

TEST_F(InteractionTest, ZoomSaturatesStaysAtLeastOneAndRebuildsTheBasis) {
    const std::tuple<int, void (*)(Module1&), int> faelle[] = {
        {2, [](Module1& v) { mausRad(v, INT_MAX); }, 1},
        {5, [](Module1& v) { mausRad(v, INT_MIN); }, INT_MAX},
        {INT_MAX, [](Module1& v) { zoomRauf(v); }, INT_MAX},
        {10, [](Module1& v) { zoomRauf(v); }, 11},
        {10, [](Module1& v) { zoomText(v, QStringLiteral("1e400")); }, INT_MAX},
    };
    for (const auto& [zoom, aktion, neu] : faelle) {
        m.zoomfaktor = zoom;
        aktion(m);
        EXPECT_EQ(m.zoomfaktor, neu) << zoom;
        erwarteNeueBasis();
    }
}

TEST_F(InteractionTest, ResetCentresTheOriginInTheDrawingArea) {
    groesseGeaendert(m, 1000, 500);
    zuruecksetzen(m);
    EXPECT_EQ(std::tuple(m.breite, m.hoehe, m.origx, m.origy), std::tuple(824, 465, 412, 232));
}

} // namespace
} // namespace wyk
