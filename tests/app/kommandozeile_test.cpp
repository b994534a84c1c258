#include "app/kommandozeile.h"
#include "export/picture.h"
#include "model/reader.h"
#include "support/tempdir.h"
#include "view/projection.h"

#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace wyk {
namespace {

const QString kHaus = QStringLiteral(WYK_EXAMPLES_DIR "/haus.wyk");

// Starts the program as outside a login session: without XDG_RUNTIME_DIR, and on request
// without any screen.
void starte(QProcess& programm, const QStringList& argumente, bool bildschirm = true) {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!bildschirm) {
            umgebung.remove(QString::fromLatin1(name));
        }
    }
    programm.setProcessEnvironment(umgebung);
    programm.start(QStringLiteral(WYK_VIEWER_BINARY), argumente);
}

// The exit code (-1: did not end normally), then stdout and stderr.
std::tuple<int, QString, QString> lauf(const QStringList& argumente, bool bildschirm = true) {
    QProcess programm;
    starte(programm, argumente, bildschirm);
    const bool beendet =
        programm.waitForFinished(60000) && programm.exitStatus() == QProcess::NormalExit;
    return {beendet ? programm.exitCode() : -1, QString::fromUtf8(programm.readAllStandardOutput()),
            QString::fromUtf8(programm.readAllStandardError())};
}

TEST(Kommandozeile, PlanFollowsTheCommandLine) {
    // named: the model, or for a wrong call a part of the message.
    const std::tuple<QStringList, Modus, QString> faelle[] = {
        {{}, Modus::Fenster, ""},
        {{"h.wyk"}, Modus::Fenster, "h.wyk"},
        {{"-export-picture=a.svg", "h.wyk"}, Modus::Export, "h.wyk"},
        {{"a.wyk", "b.wyk"}, Modus::Fehler, "nur eine Modelldatei"},
        {{"--zoom", "2", "h.wyk"}, Modus::Fehler, "--zoom gilt nur"},
        {{"--export-off", "a.off", "--points", "h.wyk"}, Modus::Fehler, "--points gilt nur"},
        {{"--export-off", "a.off"}, Modus::Fehler, "fehlt die Modelldatei"},
        {{"--export-off", "a", "--export-png", "b", "h.wyk"}, Modus::Fehler, "nur eine Export"},
        {{"--export-png", "a", "--zoom", "0", "h.wyk"}, Modus::Fehler, "„0“ von --zoom"},
        {{"--export-png", "a", "--turn", "abc", "h.wyk"}, Modus::Fehler, "„abc“ von --turn"},
        {{"--export-png", "a", "--tilt", "inf", "h.wyk"}, Modus::Fehler, "„inf“ von --tilt"},
        {{"--export-png", "a", "--size", "10x", "h.wyk"}, Modus::Fehler, "„10x“ von --size"},
        {{"--export-png", "a", "--size", "399x400", "h"}, Modus::Fehler, "„399x400“"},
        {{"--export-png", "a", "--size", "1425x865", "h"}, Modus::Fehler, "„1425x865“"},
        {{"--export-png", "a", "--size", "400x866", "h"}, Modus::Fehler, "„400x866“"},
        {{"--bunt", "h.wyk"}, Modus::Fehler, "Unbekannte Option „--bunt“"}};
    for (const auto& [argumente, modus, genannt] : faelle) {
        const Plan plan = planAus(QStringList{"wyk-viewer"} + argumente);
        EXPECT_EQ(plan.modus, modus) << argumente.join(' ').toStdString();
        EXPECT_TRUE(modus == Modus::Fehler ? plan.fehler.contains(genannt) : plan.modell == genannt)
            << plan.fehler.toStdString();
    }
}

// The view the windows show after turning, zooming, the check boxes and resizing.
struct Sicht {
    double drehung = kStartDrehung;
    double neigung = kStartNeigung;
    int zoom = 10;
    Anzeige anzeige = {};
    int breite = 400;
    int hoehe = 400;
};

// Each view option draws what the windows draw with the same view.
TEST(Kommandozeile, ViewOptionsDrawLikeTheWindows) {
    const std::pair<QStringList, Sicht> faelle[] = {
        {{}, {}},
        {{"--turn", "1"}, {.drehung = 1}},
        {{"--tilt=-0.5"}, {.neigung = -0.5}},
        {{"--zoom", "25"}, {.zoom = 25}},
        {{"--points"}, {.anzeige = {true, true, true}}},
        {{"--no-lines"}, {.anzeige = {false, false, true}}},
        {{"--no-axes"}, {.anzeige = {false, true, false}}},
        {{"--size", "800x600"}, {.breite = 800, .hoehe = 600}}};
    test::TempDir dir;
    QImage anfang;
    for (const auto& [optionen, sicht] : faelle) {
        const QStringList argumente{"--export-picture", dir.path("b.png"), kHaus};
        ASSERT_EQ(std::get<0>(lauf(argumente + optionen)), 0);
        const auto m = std::make_unique<Module1>();
        ASSERT_TRUE(ladeDatei(*m, kHaus).isDone() && init(*m).isDone());
        m->rotwinkel[3] = sicht.drehung;
        m->rotwinkel[1] = sicht.neigung;
        m->zoomfaktor = sicht.zoom;
        m->fenster.schalter = [anzeige = sicht.anzeige] { return anzeige; };
        std::tie(m->breite, m->hoehe, m->origx, m->origy) =
            std::tuple(sicht.breite, sicht.hoehe, sicht.breite / 2, sicht.hoehe / 2);
        rotation2(*m);
        ASSERT_TRUE(schreibeBild(*m, dir.path("r.png")).isDone());
        const QImage bild(dir.path("b.png"));
        EXPECT_EQ(bild, QImage(dir.path("r.png"))) << optionen.join(' ').toStdString();
        EXPECT_TRUE(optionen.isEmpty() || bild != anfang) << optionen.join(' ').toStdString();
        anfang = optionen.isEmpty() ? bild : anfang;
    }
}

// The program's own messages only: German ones for failures on stderr, none at all for
// success, also with Qt's options on the command line and without XDG_RUNTIME_DIR.
TEST(Kommandozeile, ExitCodesAndMessages) {
    test::TempDir dir;
    const std::tuple<QStringList, int, QString, bool> faelle[] = {
        {{"--version"}, 0, "WYK-Viewer " WYK_VERSION "\n", false},
        {{kHaus}, 1, "kein Bildschirm", false},
        {{"--bunt", kHaus}, 2, "„--bunt“", false},
        {{"--help"}, 0, "Neigung im Bogenmaß", true},
        {{"-platform", "offscreen", "-style", "Fusion", "-reverse", "--export-web",
          dir.path("h.off"), kHaus},
         0,
         "",
         true},
        {{"--export-off", dir.path("a.off"), dir.path("fehlt.wyk")}, 1, "fehlt.wyk", true}};
    for (const auto& [argumente, code, genannt, bildschirm] : faelle) {
        const auto [ist, ausgabe, fehler] = lauf(argumente, bildschirm);
        EXPECT_EQ(ist, code) << argumente.join(' ').toStdString();
        EXPECT_TRUE((code == 0 ? ausgabe : fehler).contains(genannt)) << ausgabe.toStdString();
        EXPECT_EQ(fehler.isEmpty(), code == 0) << fehler.toStdString();
    }
    EXPECT_TRUE(dir.exists("h.htm") && dir.exists("Viewer41.class") && !dir.exists("a.off"));
}

// The windows load the model named on the command line: the program opens that file.
TEST(Kommandozeile, TheWindowsOpenTheNamedModel) {
    test::TempDir dir;
    QFile haus(kHaus);
    ASSERT_TRUE(haus.open(QIODevice::ReadOnly));
    const QString modell = dir.write("m.wyk", haus.readAll());
    const int wache = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(inotify_add_watch(wache, modell.toLocal8Bit().constData(), IN_OPEN), 0);
    QProcess programm;
    starte(programm, {"-platform", "offscreen", modell});
    char ereignis[sizeof(inotify_event) + 256];
    bool geoeffnet = false;
    for (int i = 0; i < 400 && !geoeffnet && !programm.waitForFinished(50); ++i) {
        geoeffnet = read(wache, ereignis, sizeof ereignis) > 0;
    }
    EXPECT_TRUE(geoeffnet && programm.state() == QProcess::Running);
    programm.kill();
    programm.waitForFinished();
    close(wache);
}

} // namespace
} // namespace wyk
