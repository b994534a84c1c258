#include "appfixture.h"
#include "platform/numbers.h"

#include <QClipboard>
#include <QMimeData>
#include <QScreen>
#include <QWindow>
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

// On each screen, each side's key (redrawing once) shows what --view and the same --turn and
// --tilt export at the screen's ratio, pixel for pixel, also in a part painted anew; F shows
// what --fit exports. Copy puts the drawing on the clipboard as an image and as PNG. A move to
// a screen of another ratio draws anew; app_tests.hidpi runs this on ratios 2 and 1.5.
TEST_F(AppTest, ViewKeysShowWhatTheExportsShowAtEachScreensRatio) {
    lade(kHaus);
    redraws = 0;
    klick(control("CBpunkte"));
    klick(control("CBachsen"));
    EXPECT_EQ(redraws, 2) << "each box redraws";
    aktivieren(&haupt());
    canvas()->setFocus();
    const auto bild = [this] { return rgb32(canvas()->grab().toImage()); };
    const QRect teil(50, 60, 200, 150);
    QStringList dichten;
    for (QScreen* schirm : QGuiApplication::screens()) {
        haupt().windowHandle()->setScreen(schirm);
        const double r = canvas()->devicePixelRatioF();
        dichten << Str(r);
        ASSERT_TRUE(QTest::qWaitFor([&] { return m().dichte == r; })) << r;
        // Qt 6.8 keeps a window's device pixels on a screen of another ratio: it may grow.
        const QString groesse = QStringLiteral("%1x%2").arg(m().breite).arg(m().hoehe);
        const QStringList modell{kHaus,       "--size",  groesse, "--points",
                                 "--no-axes", "--scale", Str(r)};
        for (const Sicht& s : kSichten) {
            SCOPED_TRACE(QStringLiteral("%1 at %2").arg(s.name).arg(r).toStdString());
            QTest::keyClick(canvas(), Qt::Key_Home); // the origin in the middle, as exported
            const QString zoom = QString::number(m().zoomfaktor);
            redraws = 0;
            QTest::keyClick(canvas(), s.taste, s.mods);
            EXPECT_EQ(redraws, 1) << "the side's key";
            const QImage seite = bild();
            EXPECT_EQ(seite, exportiert(modell + QStringList{"--view", s.name, "--zoom", zoom}));
            const QStringList winkel{"--turn", Str(s.drehung), "--tilt", Str(s.neigung)};
            EXPECT_EQ(seite, exportiert(modell + winkel + QStringList{"--zoom", zoom}));
            const QImage ausschnitt = rgb32(canvas()->grab(teil).toImage());
            EXPECT_EQ(ausschnitt, seite.copy(QRect(teil.topLeft() * r, teil.size() * r)))
                << "a part";
            redraws = 0;
            QTest::keyClick(canvas(), Qt::Key_F);
            EXPECT_EQ(redraws, 1) << "F";
            EXPECT_EQ(zoomFeld()->text(), QString::number(m().zoomfaktor));
            EXPECT_EQ(bild(), exportiert(modell + QStringList{"--view", s.name, "--fit"}));
        }
        waehle("EditCopy");
        const QClipboard& ablage = *QApplication::clipboard();
        EXPECT_EQ(rgb32(ablage.image()), bild()) << "the copy at " << r;
        const QByteArray png = ablage.mimeData()->data("image/png");
        EXPECT_EQ(rgb32(QImage::fromData(png, "PNG")), bild()) << "the copy as PNG at " << r;
    }
    EXPECT_EQ(dichten.join(' '), qEnvironmentVariable("WYK_DICHTEN", "1"));
}

} // namespace
} // namespace wyk::test
