#include "appfixture.h"

#include <numbers>

namespace wyk::test {
namespace {

// The six sides: the name of --view, the key on the drawing and the angles written out.
struct Sicht {
    const char* name;
    Qt::Key taste;
    Qt::KeyboardModifiers mods;
    double drehung;
    double neigung;
};
constexpr double kPi = std::numbers::pi;
const Sicht kSichten[] = {
    {"front", Qt::Key_1, Qt::NoModifier, 0, 0},
    {"back", Qt::Key_1, Qt::ControlModifier, kPi, 0},
    {"right", Qt::Key_3, Qt::NoModifier, -kPi / 2, 0},
    {"left", Qt::Key_3, Qt::ControlModifier, kPi / 2, 0},
    {"top", Qt::Key_7, Qt::KeypadModifier, 0, kPi / 2},
    {"bottom", Qt::Key_7, Qt::ControlModifier, 0, -kPi / 2},
};

QString genau(double winkel) {
    return QString::number(winkel, 'g', 17);
}

// Each side's key on the focused drawing shows what --view and the same --turn and --tilt
// export with the check boxes' options, pixel for pixel; F then shows what --fit exports.
// Each key redraws once.
TEST_F(AppTest, ViewKeysAndFShowWhatViewTurnTiltAndFitExport) {
    lade(kHaus);
    klick(control("CBpunkte"));
    klick(control("CBachsen"));
    canvas()->setFocus();
    ASSERT_TRUE(canvas()->hasFocus());
    const auto fenster = [this] { return rgb32(canvas()->grab().toImage()); };
    const QString groesse = QStringLiteral("%1x%2").arg(m().breite).arg(m().hoehe);
    const QStringList modell{kHaus, "--size", groesse, "--points", "--no-axes"};
    for (const Sicht& s : kSichten) {
        SCOPED_TRACE(s.name);
        klick(control("PushButton1")); // the origin in the middle, as an export has it
        const QString zoom = QString::number(m().zoomfaktor);
        redraws = 0;
        QTest::keyClick(canvas(), s.taste, s.mods);
        EXPECT_EQ(redraws, 1) << "the side's key";
        const QImage seite = fenster();
        EXPECT_EQ(seite, exportiert(modell + QStringList{"--view", s.name, "--zoom", zoom}));
        const QStringList winkel{"--turn", genau(s.drehung), "--tilt", genau(s.neigung)};
        EXPECT_EQ(seite, exportiert(modell + winkel + QStringList{"--zoom", zoom}));
        redraws = 0;
        QTest::keyClick(canvas(), Qt::Key_F);
        EXPECT_EQ(redraws, 1) << "F";
        EXPECT_EQ(zoomFeld()->text(), QString::number(m().zoomfaktor));
        EXPECT_EQ(fenster(), exportiert(modell + QStringList{"--view", s.name, "--fit"}));
    }
}

} // namespace
} // namespace wyk::test
