#include "app/start.h"
#include "appfixture.h"
#include "export/picture.h"
#include "support/tempdir.h"

#include <QLineEdit>
#include <numbers>

namespace wyk {
namespace {

using test::AppTest;

const QString kHaus = QStringLiteral(WYK_EXAMPLES_DIR "/haus.wyk");

// The six sides: the key on the drawing, the name of --view and the angles written out.
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

// Each side's key on the focused drawing shows what --view and the same --turn and --tilt
// export, pixel for pixel; F then shows what --fit exports. Each key redraws once.
TEST_F(AppTest, ViewKeysAndFShowWhatViewTurnTiltAndFitExport) {
    lade(kHaus);
    QWidget* canvas = control("CAhaupt");
    canvas->setFocus();
    ASSERT_TRUE(canvas->hasFocus());
    test::TempDir dir;
    const auto exportiert = [&](const QString& name, const QStringList& optionen) {
        const QStringList aufruf{"wyk-viewer", "--export-picture", dir.path(name), kHaus, "--size",
                                 QStringLiteral("%1x%2").arg(m().breite).arg(m().hoehe)};
        EXPECT_EQ(starten(planAus(aufruf + optionen), false), 0) << optionen.join(' ').toStdString();
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
        const QImage seite = fenster();
        EXPECT_EQ(seite, exportiert("view.png", {"--view", s.name, "--zoom", zoom}));
        EXPECT_EQ(seite, exportiert("turn.png", {"--turn", QString::number(s.drehung, 'g', 17),
                                                 "--tilt", QString::number(s.neigung, 'g', 17),
                                                 "--zoom", zoom}));
        redraws = 0;
        QTest::keyClick(canvas, Qt::Key_F);
        EXPECT_EQ(redraws, 1);
        EXPECT_EQ(control<QLineEdit>("EFzoom")->text(), QString::number(m().zoomfaktor));
        EXPECT_EQ(fenster(), exportiert("fit.png", {"--view", s.name, "--fit"}));
    }
}

// --view, --frames and --frame-time: their values, what they go with, and their messages.
TEST(Kommandozeile, ViewFramesAndFrameTimeTakeOnlyWhatTheyDescribe) {
    const std::pair<QStringList, const char*> falsch[] = {
        {{"--export-picture", "a.gif", "--view", "vorn"}, "„vorn“ von --view"},
        {{"--export-picture", "a.gif", "--view", "top", "--turn", "1"}, "nicht zusammen mit --turn"},
        {{"--export-picture", "a.png", "--tilt", "0", "--view", "front"}, "nicht zusammen mit --turn"},
        {{"--export-picture", "a.gif", "--frames", "1"}, "„1“ von --frames"},
        {{"--export-picture", "a.gif", "--frames", "361"}, "„361“ von --frames"},
        {{"--export-picture", "a.gif", "--frame-time", "19"}, "„19“ von --frame-time"},
        {{"--export-picture", "a.gif", "--frame-time", "10001"}, "„10001“ von --frame-time"},
        {{"--export-picture", "a.png", "--frames", "12"}, "nur für eine GIF-Animation"},
        {{"--export-picture", "a.svg", "--frame-time", "50"}, "nur für eine GIF-Animation"},
        {{"--view", "top"}, "--view gilt nur"},
        {{"--export-off", "a.off", "--frames", "3"}, "--frames gilt nur"},
    };
    for (const auto& [argumente, genannt] : falsch) {
        const Plan plan = planAus(QStringList{"wyk-viewer"} + argumente + QStringList{"h.wyk"});
        EXPECT_TRUE(plan.modus == Modus::Fehler && plan.fehler.contains(QString::fromUtf8(genannt)))
            << argumente.join(' ').toStdString() << ": " << plan.fehler.toStdString();
        EXPECT_EQ(starten(plan, false), 2) << argumente.join(' ').toStdString();
    }
    const Plan gif = planAus({"wyk-viewer", "--export-picture", "a.GIF", "--view", "Right",
                              "--frames", "360", "--frame-time", "20", "h.wyk"});
    ASSERT_EQ(gif.modus, Modus::Export) << gif.fehler.toStdString();
    EXPECT_EQ(gif.ansicht.drehung, -kPi / 2);
    EXPECT_EQ(gif.ansicht.neigung, 0.0);
    EXPECT_EQ(std::pair(gif.ansicht.umlauf.bilder, gif.ansicht.umlauf.dauer), std::pair(360, 20));
    const Plan start = planAus({"wyk-viewer", "--export-picture", "a.gif", "--view=start", "h"});
    EXPECT_EQ(std::pair(start.ansicht.umlauf.bilder, start.ansicht.umlauf.dauer), std::pair(36, 100));
    EXPECT_EQ(start.ansicht.drehung, -0.785);
    EXPECT_EQ(start.ansicht.neigung, 0.3925);
}

} // namespace
} // namespace wyk
