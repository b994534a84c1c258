#include "app/start.h"
#include "export/picture.h"
#include "model/reader.h"
#include "support/tempdir.h"
#include "view/projection.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace wyk {
namespace {

const QString kHaus = QStringLiteral(WYK_EXAMPLES_DIR "/haus.wyk");

TEST(Kommandozeile, PlanFollowsTheCommandLine) {
    // named: the model, or for a wrong call a part of the message.
    const std::tuple<QStringList, Modus, QString> faelle[] = {
        {{"h.wyk"}, Modus::Fenster, "h.wyk"},
        {{"-export-picture=a.svg", "h.wyk"}, Modus::Export, "h.wyk"},
        {{"a.wyk", "b.wyk"}, Modus::Fehler, "nur eine Modelldatei"},
        {{"--zoom", "2", "h.wyk"}, Modus::Fehler, "--zoom gilt nur"},
        {{"--export-off", "a.off"}, Modus::Fehler, "fehlt die Modelldatei"},
        {{"--export-png", "a", "--zoom", "0", "h.wyk"}, Modus::Fehler, "„0“ von --zoom"},
        {{"--export-png", "a", "--turn", "abc", "h.wyk"}, Modus::Fehler, "„abc“ von --turn"},
        {{"--export-png", "a", "--tilt", "inf", "h.wyk"}, Modus::Fehler, "„inf“ von --tilt"},
        {{"--export-png", "a", "--size", "10x", "h.wyk"}, Modus::Fehler, "„10x“ von --size"},
        {{"--export-png", "a", "--size", "400x866", "h"}, Modus::Fehler, "„400x866“"},
        {{"--export-png", "a", "--fit", "--zoom", "2", "h"}, Modus::Fehler, "nicht zusammen"},
        {{"--export-thumbnail", "t", "--thumbnail-size", "15", "h"}, Modus::Fehler, "„15“ von"},
        {{"--thumbnail-size", "64", "--export-png", "a", "h"}, Modus::Fehler, "--thumbnail-size"},
        {{"--bunt", "h.wyk"}, Modus::Fehler, "Unbekannte Option „--bunt“"}};
    for (const auto& [argumente, modus, genannt] : faelle) {
        const Plan plan = planAus(QStringList{"wyk-viewer"} + argumente);
        EXPECT_EQ(plan.modus, modus) << argumente.join(' ').toStdString();
        EXPECT_TRUE(modus == Modus::Fehler ? plan.fehler.contains(genannt) : plan.modell == genannt)
            << plan.fehler.toStdString();
    }
}

// Each view option draws what the windows draw with the same view.
TEST(Kommandozeile, ViewOptionsDrawLikeTheWindows) {
    // The options, then the check boxes and what else differs from the start view.
    const std::tuple<QStringList, Anzeige, void (*)(Module1&)> faelle[] = {
        {{}, {}, [](Module1&) {}},
        {{"--points", "--no-lines"}, {true, false, true}, [](Module1&) {}},
        {{"--turn", "1", "--tilt=-0.5", "--zoom", "25", "--no-axes", "--size", "800x600"},
         {false, true, false},
         [](Module1& m) {
             std::tie(m.rotwinkel[3], m.rotwinkel[1], m.zoomfaktor) = std::tuple(1, -0.5, 25);
             std::tie(m.breite, m.hoehe, m.origx, m.origy) = std::tuple(800, 600, 400, 300);
         }}};
    test::TempDir dir;
    for (const auto& [optionen, anzeige, sicht] : faelle) {
        const QStringList argumente{"wyk-viewer", "--export-picture", dir.path("b.png"), kHaus};
        ASSERT_EQ(starten(planAus(argumente + optionen), false), 0);
        const auto m = std::make_unique<Module1>();
        ASSERT_TRUE(ladeDatei(*m, kHaus).isDone() && init(*m).isDone());
        m->fenster.schalter = [a = anzeige] { return a; };
        sicht(*m);
        rotation2(*m);
        ASSERT_TRUE(schreibeBild(*m, dir.path("r.png")).isDone());
        EXPECT_EQ(QImage(dir.path("b.png")), QImage(dir.path("r.png")))
            << optionen.join(' ').toStdString();
    }
}

// The program's own messages only: German ones for failures on stderr, none at all for
// success, also with Qt's options on the command line and without XDG_RUNTIME_DIR.
TEST(Kommandozeile, ExitCodesAndMessages) {
    test::TempDir dir;
    const QStringList qt{"-platform", "offscreen", "-style", "Fusion", "-reverse"};
    const QStringList ohneSchirm{"-u", "QT_QPA_PLATFORM", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY"};
    const std::tuple<QStringList, int, QString, bool> faelle[] = {
        {{"--version"}, 0, "WYK-Viewer " WYK_VERSION "\n", false},
        {{kHaus}, 1, "kein Bildschirm", false},
        {{"--bunt", kHaus}, 2, "„--bunt“", false},
        {qt + QStringList{"--export-web", dir.path("h.off"), kHaus}, 0, "", true},
        {{"--export-off", dir.path("a.off"), dir.path("fehlt.wyk")}, 1, "fehlt.wyk", true}};
    for (const auto& [argumente, code, genannt, bildschirm] : faelle) {
        QProcess programm; // started as outside a login session, on request without a screen
        programm.start("env", QStringList{"-u", "XDG_RUNTIME_DIR"} +
                                  (bildschirm ? QStringList() : ohneSchirm) +
                                  QStringList{WYK_VIEWER_BINARY} + argumente);
        ASSERT_TRUE(programm.waitForFinished(60000) &&
                    programm.exitStatus() == QProcess::NormalExit);
        const QString ausgabe = QString::fromUtf8(programm.readAllStandardOutput());
        const QString fehler = QString::fromUtf8(programm.readAllStandardError());
        EXPECT_EQ(programm.exitCode(), code) << argumente.join(' ').toStdString();
        EXPECT_TRUE((code == 0 ? ausgabe : fehler).contains(genannt)) << ausgabe.toStdString();
        EXPECT_EQ(fehler.isEmpty(), code == 0) << fehler.toStdString();
    }
    EXPECT_TRUE(dir.exists("h.htm") && dir.exists("Viewer41.class") && !dir.exists("a.off"));
}

// The windows show the model named on the command line.
TEST(Kommandozeile, TheWindowsLoadTheNamedModel) {
    int zeilen = -1;
    QTimer::singleShot(0, [&zeilen] {
        const auto fenster = [](const char* art) {
            const QWidgetList alle = QApplication::topLevelWidgets();
            return *std::find_if(alle.begin(), alle.end(),
                                 [art](QWidget* w) { return w->inherits(art); });
        };
        fenster("wyk::WINhaupt")->findChild<QPushButton*>("PushButton3")->click();
        zeilen = fenster("wyk::WINdebug")->findChild<QTableView*>()->model()->rowCount();
        fenster("wyk::WINhaupt")->close();
    });
    EXPECT_EQ(starten(planAus({"wyk-viewer", kHaus}), true), 0);
    EXPECT_EQ(zeilen, 10);
}

} // namespace
} // namespace wyk
