#include "view/projection.h"

#include <gtest/gtest.h>

namespace wyk {
namespace {

// The first view: the picture, the default angles and the zoom shown, the basis built and
// drawn; one unit along x, y and z moves by these pixels at zoom 10, by a tenth at zoom 1.
TEST(Init, CreatesThePictureSetsTheViewAndDraws) {
    Module1 m;
    QString zoomText;
    int shown = 0;
    m.fenster.zoomTextSetzen = [&](const QString& text) { zoomText = text; };
    m.fenster.canvasZeigen = [&] { ++shown; };
    ASSERT_TRUE(init(m).isDone());
    EXPECT_EQ(std::tuple(m.zebild.size(), m.zebild.depth(), zoomText, shown),
              std::tuple(QSize(2000, 1000), 16, "10", 1));
    EXPECT_EQ(std::tuple(m.rotwinkel[1], m.rotwinkel[3]), std::tuple(0.3925, -0.785));
    const double expected[4][3] = {
        {0, 0, 0}, {0, 7.0739, 2.7036}, {0, 7.0683, -2.7058}, {0, 0, -9.2396}};
    for (const int zoom : {10, 1}) {
        m.zoomfaktor = zoom;
        rotation2(m);
        for (int k = 0; k <= 3; ++k) {
            for (int j = 0; j <= 2; ++j) {
                EXPECT_NEAR(m.basis[k][j], expected[k][j] * zoom / 10, 5e-5) << k << j << zoom;
            }
        }
    }
}

} // namespace
} // namespace wyk
