#include "view/projection.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace wyk {
namespace {

using Basis = std::array<std::array<double, 3>, 4>;

Basis basisFuer(double neigung, double drehung, int zoom) {
    Module1 m;
    m.rotwinkel[1] = neigung;
    m.rotwinkel[3] = drehung;
    m.zoomfaktor = zoom;
    rotation2(m);
    return m.basis;
}

TEST(Rotation2, DefaultViewMovesEachAxisAsDocumented) {
    const Basis b = basisFuer(kStartNeigung, kStartDrehung, 10);
    const double expected[4][3] = {
        {0, 0, 0}, {0, 7.0739, 2.7036}, {0, 7.0683, -2.7058}, {0, 0, -9.2396}};
    for (int k = 0; k <= 3; ++k) {
        for (int j = 0; j <= 2; ++j) {
            EXPECT_NEAR(b[k][j], expected[k][j], 5e-5) << "basis(" << k << "," << j << ")";
        }
    }
    EXPECT_NEAR(basisFuer(kStartNeigung, kStartDrehung, 1)[3][2], -0.92396, 5e-6);
}

TEST(Rotation2, AnglesRepeatEveryFullTurnAndZoomScales) {
    const Basis b = basisFuer(0.7, -2.1, 10);
    const double turn = 2 * std::numbers::pi;
    const Basis far = basisFuer(0.7 + 40 * turn, -2.1 - 300 * turn, 10);
    const Basis doubled = basisFuer(0.7, -2.1, 20);
    for (int k = 1; k <= 3; ++k) {
        for (int j = 1; j <= 2; ++j) {
            EXPECT_NEAR(far[k][j], b[k][j], 1e-9);
            EXPECT_DOUBLE_EQ(doubled[k][j], 2 * b[k][j]);
        }
    }
}

TEST(Init, CreatesThePictureSetsTheViewAndDraws) {
    Module1 m;
    QString zoomText;
    int shown = 0;
    m.fenster.zoomTextSetzen = [&](const QString& text) { zoomText = text; };
    m.fenster.canvasZeigen = [&] { ++shown; };
    m.zoomfaktor = 12;
    ASSERT_TRUE(init(m).isDone());
    EXPECT_EQ(m.zebild.size(), QSize(2000, 1000));
    EXPECT_EQ(m.zebild.depth(), 16);
    EXPECT_EQ(m.rotwinkel[1], 0.3925);
    EXPECT_EQ(m.rotwinkel[3], -0.785);
    EXPECT_EQ(zoomText, "12");
    EXPECT_EQ(m.basis, basisFuer(0.3925, -0.785, 12));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(m.origx, 200);
    EXPECT_EQ(m.zoomfaktor, 12);
}

} // namespace
} // namespace wyk
