#include "app/app.h"
#include "app/menubar.h"
#include "app/wiinfo.h"
#include "app/windebug.h"
#include "app/winhaupt.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace wyk::test {
namespace {

// Runs the event loop as the program does after start-up, does what is asked once the loop
// runs, and gives the loop's exit code; 99 when the loop had to be stopped from outside.
int laufenLassen(const std::function<void()>& aktion) {
    QTimer notbremse;
    notbremse.setSingleShot(true);
    QObject::connect(&notbremse, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    notbremse.start(5000);
    QTimer::singleShot(0, aktion);
    return QApplication::exec();
}

struct BeendenFall {
    const char* name;
    std::function<void(App&)> beenden;
};

TEST(Beenden, QuitAndClosingTheMainWindowEndWithExitCodeZero) {
    const BeendenFall faelle[] = {
        {"close box", [](App& app) { app.haupt().close(); }},
        {"Quit", [](App& app) { app.menuBar().eintrag(QStringLiteral("FileQuit"))->trigger(); }},
        {"Quit with the debug window open",
         [](App& app) {
             app.debugZeigen();
             app.About_Action();
             app.menuBar().eintrag(QStringLiteral("FileQuit"))->trigger();
         }},
    };
    for (const BeendenFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        App app(std::make_unique<ScriptedDialogs>(), nullptr);
        QSignalSpy endet(qApp, &QCoreApplication::aboutToQuit);
        EXPECT_EQ(laufenLassen([&] { fall.beenden(app); }), 0);
        EXPECT_EQ(endet.count(), 1);
        EXPECT_FALSE(app.haupt().isVisible());
    }
}

TEST(Beenden, ClosingAnotherWindowDoesNotEndTheProgram) {
    App app(std::make_unique<ScriptedDialogs>(), nullptr);
    const int code = laufenLassen([&] {
        app.debugZeigen();
        app.debugFenster()->close();
        app.About_Action();
        app.infoFenster()->close();
        QTimer::singleShot(100, [] { QCoreApplication::exit(7); });
    });
    EXPECT_EQ(code, 7) << "still running after the other windows closed";
}

// The message box of a failed load, as the program shows it: its text and kind.
TEST(Meldung, FailedLoadShowsAWarningNamingTheFile) {
    App app(std::make_unique<ScriptedDialogs>());
    QString text;
    QMessageBox::Icon art = QMessageBox::NoIcon;
    QTimer suchen;
    QObject::connect(&suchen, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) {
                text = box->text();
                art = box->icon();
                box->close();
            }
        }
    });
    suchen.start(20);
    app.modellLaden(QStringLiteral("/gibt/es/nicht.wyk"));
    EXPECT_TRUE(text.contains(QStringLiteral("nicht.wyk"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("existiert nicht"))) << text.toStdString();
    EXPECT_EQ(art, QMessageBox::Warning);
    EXPECT_EQ(app.modul().datname, "3D");
}

// The program itself: requests that need no window run also where no display is available.
TEST(Programm, VersionRunsWithoutADisplay) {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        umgebung.remove(QString::fromLatin1(name));
    }
    QProcess programm;
    programm.setProcessEnvironment(umgebung);
    programm.start(QStringLiteral(WYK_VIEWER), {QStringLiteral("--version")});
    ASSERT_TRUE(programm.waitForFinished(10000));
    EXPECT_EQ(programm.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(programm.exitCode(), 0);
    EXPECT_TRUE(programm.readAllStandardOutput().contains("2.1"));
}

// With a model named on the command line the program opens its windows and keeps running.
TEST(Programm, StartsWithAModelAndRuns) {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess programm;
    programm.setProcessEnvironment(umgebung);
    programm.start(QStringLiteral(WYK_VIEWER), {QStringLiteral(WYK_EXAMPLES_DIR "/haus.wyk")});
    ASSERT_TRUE(programm.waitForStarted(10000));
    EXPECT_FALSE(programm.waitForFinished(1500)) << "ended by itself";
    programm.kill();
    programm.waitForFinished(10000);
}

} // namespace
} // namespace wyk::test
