#include "appfixture.h"
#include "cli/start.h"
#include "platform/numbers.h"

#include <QClipboard>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <numbers>

namespace wyk::test {
namespace {

// On each screen, the sides' keys and F show what the command line exports at its ratio, pixel
// for pixel, also in a part painted anew; so do the marking clicks, and Ctrl+C copies the drawing.
// app_tests.hidpi runs this on two screens, of ratios 2 and 1.5.
TEST_F(AppTest, ViewKeysShowWhatTheExportsShowAtEachScreensRatio) {
    constexpr double kPi = std::numbers::pi;
    // The name of --view, the keys on the drawing and the angles written out.
    const std::tuple<const char*, const char*, double, double> sichten[] = {
        {"front", "1", 0, 0},         {"back", "Ctrl+1", kPi, 0},
        {"right", "3", -kPi / 2, 0},  {"left", "Ctrl+3", kPi / 2, 0},
        {"top", "Num+7", 0, kPi / 2}, {"bottom", "Ctrl+7", 0, -kPi / 2}};
    lade(kHaus);
    redraws = 0;
    klick(control("CBpunkte"));
    klick(control("CBachsen"));
    EXPECT_EQ(redraws, 2) << "each box redraws";
    aktivieren(&haupt());
    canvas()->setFocus();
    const QRect teil(50, 60, 200, 150);
    QStringList dichten;
    // Past the start's late redraw only keys and ratios redraw.
    const auto* spaet = control<QTimer>("Timer1");
    ASSERT_TRUE(QTest::qWaitFor([spaet] { return !spaet->isActive(); }));
    for (QScreen* schirm : QGuiApplication::screens()) {
        QTest::keyClick(canvas(), Qt::Key_Home);
        haupt().windowHandle()->setScreen(schirm);
        const double r = canvas()->devicePixelRatioF();
        SCOPED_TRACE(testing::Message() << "at ratio " << r);
        dichten << Str(r);
        ASSERT_TRUE(QTest::qWaitFor([&] { return m().dichte == r; }));
        const TempDir dir;
        const QString png = dir.path("b.png");
        QStringList aufruf{"wyk-viewer", "--export-picture", png, kHaus, "--points", "--no-axes"};
        // Qt 6.8 keeps a window's device pixels on a screen of another ratio: it may grow.
        aufruf << "--size" << Str(m().breite) + 'x' + Str(m().hoehe) << "--scale" << Str(r);
        // The picture the command line exports with the options added.
        const auto exportiert = [&](const QStringList& optionen) {
            EXPECT_EQ(ohneFenster(planAus(aufruf + optionen)), 0) << optionen.join(' ');
            return rgb32(QImage(png));
        };
        EXPECT_EQ(zeichnung(), exportiert({"--zoom", Str(m().zoomfaktor)}));
        for (const auto& [name, folge, drehung, neigung] : sichten) {
            SCOPED_TRACE(name);
            QTest::keyClick(canvas(), Qt::Key_Home); // the origin in the middle, as exported
            const QString zoom = Str(m().zoomfaktor);
            redraws = 0;
            tasten(canvas(), folge);
            EXPECT_EQ(redraws, 1) << "the side's key";
            const QImage seite = zeichnung();
            EXPECT_EQ(seite, exportiert({"--view", name, "--zoom", zoom}));
            EXPECT_EQ(seite,
                      exportiert({"--zoom", zoom, "--turn", Str(drehung), "--tilt", Str(neigung)}));
            const QRect inPixeln(teil.topLeft() * r, teil.size() * r);
            EXPECT_EQ(rgb32(canvas()->grab(teil).toImage()), seite.copy(inPixeln)) << "a part";
            redraws = 0;
            QTest::keyClick(canvas(), Qt::Key_F);
            EXPECT_EQ(redraws, 1) << "F";
            EXPECT_EQ(zoomFeld()->text(), Str(m().zoomfaktor));
            EXPECT_EQ(zeichnung(), exportiert({"--view", name, "--fit"}));
        }
        // Clicks on a point, with Shift on another, and on a move; the status line names them.
        QTest::keyClick(canvas(), Qt::Key_Home);
        QTest::keyClick(canvas(), Qt::Key_F);
        const std::tuple<QPoint, Qt::KeyboardModifier, const char*, const char*> klicks[] = {
            {ort(7), Qt::NoModifier, "--fit --mark-point 7", "Punkt 7: x 10, y 8, z 6"},
            {ort(9), Qt::ShiftModifier, "--fit --mark-point 7 --measure-to 9",
             "Punkt 7 → Punkt 9: Abstand 11.4891, Δx -10, Δy -4, Δz 4"},
            {(ort(9) + ort(10)) / 2, Qt::NoModifier, "--fit --mark-move 12 --mark-point 7",
             "Linie 12: Punkt 9 – Punkt 10, Farbe 12, Länge 10"},
        };
        for (const auto& [wo, mods, optionen, text] : klicks) {
            SCOPED_TRACE(optionen);
            ASSERT_TRUE(canvas()->rect().contains(wo));
            klick(canvas(), wo, mods);
            EXPECT_EQ(zeichnung(), exportiert(QString(optionen).split(' ')));
            EXPECT_EQ(status(), text);
        }
        klick(canvas(), {1, 1});         // on nothing: no marks
        control("CBpunkte")->setFocus(); // anywhere but in the zoom field
        QTest::keySequence(control("CBpunkte"), QKeySequence::Copy);
        const QClipboard& ablage = *QApplication::clipboard();
        EXPECT_EQ(rgb32(ablage.image()), zeichnung()) << "the copy";
        const QByteArray kopie = ablage.mimeData()->data("image/png");
        EXPECT_EQ(rgb32(QImage::fromData(kopie, "PNG")), zeichnung()) << "the copy as PNG";
    }
    EXPECT_EQ(dichten.join(' '), qEnvironmentVariable("WYK_DICHTEN", "1"));
}

} // namespace
} // namespace wyk::test
