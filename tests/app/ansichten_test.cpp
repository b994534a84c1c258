#include "appfixture.h"
#include "cli/start.h"
#include "export/picture.h"
#include "support/tempdir.h"

#include <QLineEdit>
#include <cmath>
#include <numbers>

namespace wyk {
namespace {

using test::AppTest;

const QString kHaus = QStringLiteral(WYK_EXAMPLES_DIR "/haus.wyk");

// The six sides: the key on the drawing, the name of --view, the angles written out and where
// one unit along x, y and z goes on the screen (right and down positive), at zoom 1.
struct Sicht {
    const char* name;
    Qt::Key taste;
    Qt::KeyboardModifiers mods;
    double drehung;
    double neigung;
    std::array<std::array<long, 2>, 3> achsen;
};
constexpr double kPi = std::numbers::pi;
const Sicht kSichten[] = {
    {"front", Qt::Key_1, Qt::NoModifier, 0, 0, {{{1, 0}, {0, 0}, {0, -1}}}},
    {"back", Qt::Key_1, Qt::ControlModifier, kPi, 0, {{{-1, 0}, {0, 0}, {0, -1}}}},
    {"right", Qt::Key_3, Qt::NoModifier, -kPi / 2, 0, {{{0, 0}, {1, 0}, {0, -1}}}},
    {"left", Qt::Key_3, Qt::ControlModifier, kPi / 2, 0, {{{0, 0}, {-1, 0}, {0, -1}}}},
    {"top", Qt::Key_7, Qt::KeypadModifier, 0, kPi / 2, {{{1, 0}, {0, -1}, {0, 0}}}},
    {"bottom", Qt::Key_7, Qt::ControlModifier, 0, -kPi / 2, {{{1, 0}, {0, 1}, {0, 0}}}},
};

// Each side's key on the focused drawing shows its side and what --view and the same --turn
// and --tilt export, pixel for pixel; F then shows what --fit exports. Each key redraws once.
TEST_F(AppTest, ViewKeysAndFShowWhatViewTurnTiltAndFitExport) {
    lade(kHaus);
    QWidget* canvas = control("CAhaupt");
    canvas->setFocus();
    ASSERT_TRUE(canvas->hasFocus());
    test::TempDir dir;
    const auto exportiert = [&](const QString& name, const QStringList& optionen) {
        const QStringList aufruf{
            "wyk-viewer",   "--export-picture",
            dir.path(name), kHaus,
            "--size",       QStringLiteral("%1x%2").arg(m().breite).arg(m().hoehe)};
        EXPECT_EQ(ohneFenster(planAus(aufruf + optionen)), 0) << optionen.join(' ').toStdString();
        return QImage(dir.path(name));
    };
    const auto fenster = [&] {
        EXPECT_TRUE(schreibeBild(m(), dir.path("fenster.png")).isDone());
        return QImage(dir.path("fenster.png"));
    };
    for (const Sicht& s : kSichten) {
        SCOPED_TRACE(s.name);
        klick(control("PushButton1")); // the origin in the middle, as an export has it
        const QString zoom = QString::number(m().zoomfaktor);
        redraws = 0;
        QTest::keyClick(canvas, s.taste, s.mods);
        EXPECT_EQ(redraws, 1);
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(std::lround(m().basis[k][1] / m().zoomfaktor), s.achsen[k - 1][0]) << k;
            EXPECT_EQ(std::lround(m().basis[k][2] / m().zoomfaktor), s.achsen[k - 1][1]) << k;
        }
        const QImage seite = fenster();
        EXPECT_EQ(seite, exportiert("view.png", {"--view", s.name, "--zoom", zoom}));
        EXPECT_EQ(seite,
                  exportiert("turn.png", {"--turn", QString::number(s.drehung, 'g', 17), "--tilt",
                                          QString::number(s.neigung, 'g', 17), "--zoom", zoom}));
        redraws = 0;
        QTest::keyClick(canvas, Qt::Key_F);
        EXPECT_EQ(redraws, 1);
        EXPECT_EQ(control<QLineEdit>("EFzoom")->text(), QString::number(m().zoomfaktor));
        EXPECT_EQ(fenster(), exportiert("fit.png", {"--view", s.name, "--fit"}));
    }
}

} // namespace
} // namespace wyk
