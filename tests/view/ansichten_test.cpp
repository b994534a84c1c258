#include "view/ansichten.h"
#include "view/projection.h"

#include <gtest/gtest.h>

namespace wyk {
namespace {

// The main window's state, with the zoom field's text and the redraws that reach the canvas.
struct Fenster {
    Fenster() {
        m.fenster.zoomTextSetzen = [this](const QString& text) { zoomText = text; };
        m.fenster.canvasZeigen = [this] { ++redraws; };
        EXPECT_TRUE(init(m).isDone());
        std::tie(zoomText, redraws) = std::pair(QString(), 0);
        m.rotwinkel = {0, 0.5, 0, 0.25};
        m.punkt[1] = {0, 1e5, 3e5, -2e5}; // one segment from the origin, far larger than 400
        m.linie[1] = {0, 1, 9};
        m.anzpkt = m.anzlin = 1;
        rotation2(m);
    }
    Module1 m;
    QString zoomText;
    int redraws = 0;
};

TEST(Standardansicht, OtherKeysAndModifiersChangeNothing) {
    const std::pair<Qt::Key, Qt::KeyboardModifiers> faelle[] = {
        {Qt::Key_2, Qt::NoModifier},   {Qt::Key_0, Qt::NoModifier},
        {Qt::Key_1, Qt::AltModifier},  {Qt::Key_7, Qt::ShiftModifier},
        {Qt::Key_3, Qt::MetaModifier}, {Qt::Key_F, Qt::ControlModifier},
        {Qt::Key_F, Qt::AltModifier},  {Qt::Key_G, Qt::NoModifier},
    };
    for (const auto& [taste, mods] : faelle) {
        Fenster w;
        EXPECT_FALSE(ansichtTaste(w.m, taste, mods)) << taste << " " << mods.toInt();
        const Fenster vorher;
        EXPECT_EQ(w.m.rotwinkel, vorher.m.rotwinkel) << taste;
        EXPECT_EQ(std::tuple(w.m.zoomfaktor, w.m.origx, w.m.origy), std::tuple(10, 200, 200));
        EXPECT_EQ(w.redraws, 0) << taste;
    }
}

// F where even zoom 1 is too large centres the model at zoom 1; where nothing is drawn it
// changes nothing. Either way it redraws once; the zoom field shows a new zoom.
TEST(Einpassen, FCentresAtZoomOneOrLeavesAnEmptyDrawingAlone) {
    Fenster gross;
    EXPECT_TRUE(ansichtTaste(gross.m, Qt::Key_F, Qt::ShiftModifier));
    const auto [x, y] = bildlage(gross.m.basis, gross.m.punkt[1]); // point 0 lies at (0, 0)
    EXPECT_EQ(gross.m.zoomfaktor, 1);
    EXPECT_EQ(gross.zoomText, "1");
    EXPECT_LE(std::abs(x + 2 * gross.m.origx - 400), 1.0);
    EXPECT_LE(std::abs(y + 2 * gross.m.origy - 400), 1.0);
    EXPECT_EQ(gross.redraws, 1);
    Fenster leer;
    leer.m.anzeige.linien = false;
    EXPECT_TRUE(ansichtTaste(leer.m, Qt::Key_F, Qt::NoModifier));
    EXPECT_EQ(std::tuple(leer.m.zoomfaktor, leer.m.origx, leer.m.origy), std::tuple(10, 200, 200));
    EXPECT_EQ(leer.zoomText, "");
    EXPECT_EQ(leer.redraws, 1);
}

} // namespace
} // namespace wyk
