#include "cli/start.h"
#include "export/picture.h"
#include "model/reader.h"
#include "support/tempdir.h"
#include "view/einpassen.h"
#include "view/palette.h"
#include "view/projection.h"

#include <QProcess>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>
#include <unistd.h>

namespace wyk {
namespace {

const QString kHaus = QStringLiteral(WYK_EXAMPLES_DIR "/haus.wyk");

TEST(Kommandozeile, PlanFollowsTheCommandLine) {
    // named: the model, or for a wrong call a part of the message.
    const std::tuple<QStringList, Modus, QString> faelle[] = {
        {{"h.wyk"}, Modus::Fenster, "h.wyk"},
        {{"file:///tmp/Haus%202%C3%A4.wyk"}, Modus::Fenster, "/tmp/Haus 2ä.wyk"},
        {{"file://localhost/a%25.wyk"}, Modus::Fenster, "/a%.wyk"},
        {{"https://x.de/h.wyk"}, Modus::Fehler, "„https://x.de/h.wyk“ ist keine lokale Datei"},
        {{"file://rechner/h.wyk"}, Modus::Fehler, "keine lokale Datei"},
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
        {{"--export-png", "a", "--scale", "4.01", "h"}, Modus::Fehler, "„4.01“ von --scale"},
        {{"--export-png", "a.HTM", "--scale", "2", "h"}, Modus::Fehler, "nicht für die Webseite"},
        {{"--export-thumbnail", "t", "--thumbnail-size", "15", "h"}, Modus::Fehler, "„15“ von"},
        {{"--thumbnail-size", "64", "--export-png", "a", "h"}, Modus::Fehler, "--thumbnail-size"},
        {{"--bunt", "h.wyk"}, Modus::Fehler, "Unbekannte Option „--bunt“"},
        {{"--export-off", "", "h.wyk"}, Modus::Fehler, "Ausgabedatei ist leer"},
        {{"--export-png", "a", "--view", "vorn", "h"}, Modus::Fehler, "„vorn“ von --view"},
        {{"--export-png", "a", "--view", "top", "--turn", "1", "h"}, Modus::Fehler, "mit --turn"},
        {{"--export-png", "a", "--tilt", "0", "--view", "front", "h"}, Modus::Fehler, "mit --turn"},
        {{"--export-png", "a.gif", "--frames", "1", "h"}, Modus::Fehler, "„1“ von --frames"},
        {{"--export-png", "a.gif", "--frames", "361", "h"}, Modus::Fehler, "„361“ von --frames"},
        {{"--export-png", "a.gif", "--frame-time", "19", "h"}, Modus::Fehler, "„19“ von --frame"},
        {{"--export-png", "a.gif", "--frame-time", "10001", "h"}, Modus::Fehler, "„10001“ von"},
        {{"--export-png", "a.png", "--frames", "12", "h"}, Modus::Fehler, "nur für eine GIF"},
        {{"--export-png", "a.svg", "--frame-time", "50", "h"}, Modus::Fehler, "nur für eine GIF"},
        {{"--view", "top", "h"}, Modus::Fehler, "--view gilt nur"},
        {{"--export-off", "a.off", "--frames", "3", "h"}, Modus::Fehler, "--frames gilt nur"},
        {{"--export-png", "a.GIF", "--view", "Right", "--frames", "360", "--frame-time", "20",
          "h.wyk"},
         Modus::Export,
         "h.wyk"}};
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
        ASSERT_EQ(ohneFenster(planAus(argumente + optionen)), 0);
        const auto m = std::make_unique<Module1>();
        ASSERT_TRUE(ladeDatei(*m, kHaus).isDone() && init(*m).isDone());
        m->anzeige = anzeige;
        sicht(*m);
        rotation2(*m);
        ASSERT_TRUE(schreibeBild(*m, dir.path("r.png")).isDone());
        EXPECT_EQ(QImage(dir.path("b.png")), QImage(dir.path("r.png")))
            << optionen.join(' ').toStdString();
    }
}

// What the bash script prints, run in a new folder holding m.wyk, with the program as $2.
QByteArray skriptAusgabe(const char* skript) {
    test::TempDir dir;
    QProcess shell;
    if (QFile::copy(kHaus, dir.path("m.wyk"))) {
        shell.start("bash", {"-c", skript, "bash", dir.path("."), WYK_VIEWER_BINARY});
    }
    return shell.waitForFinished(60000) ? shell.readAllStandardOutput() : QByteArray("hangs");
}

// The program's own messages only: German ones for failures on stderr, none at all for
// success, also with Qt's options on the command line, without a screen and XDG_RUNTIME_DIR.
TEST(Kommandozeile, ExitCodesAndMessages) {
    EXPECT_EQ(
        skriptAusgabe(R"sh(cd "$1" && unset XDG_RUNTIME_DIR QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY
for a in --version m.wyk "--bunt m.wyk" "--export-off a.off fehlt.wyk" \
    "-platform offscreen -style Fusion -reverse --export-web h.off m.wyk"; do "$2" $a >o 2>e
echo $? $(cat o) $(grep -o "kein Bildschirm\|„--bunt“\|fehlt.wyk" e) $([ -s e ] && echo Meldung)
done; [ -f h.htm ] && [ -f Viewer41.class ] && [ ! -e a.off ] && echo Seite)sh"),
        "0 WYK-Viewer " WYK_VERSION "\n1 kein Bildschirm Meldung\n2 „--bunt“ Meldung\n"
        "1 fehlt.wyk Meldung\n0\nSeite\n");
}

// The real program writes as a plain write would: to /dev/stdout on a pipe and on a file, to a
// FIFO, to all hard links of a file; it reads a model whose name is not UTF-8. No export writes
// over its model through any name (the path, a symbolic or hard link, the page of the web
// export): the message names the file and nothing is written.
TEST(Kommandozeile, WritesWhereAPlainWriteWouldButNeverOverTheModel) {
    EXPECT_EQ(
        skriptAusgabe(R"sh(cd "$1" && v=$2 && cp m.wyk a && ln -s m.wyk s.wyk && ln m.wyk h.wyk
ln -s m.wyk x.htm; "$v" --export-off /dev/stdout m.wyk | head -c 3; echo " ${PIPESTATUS[0]}"
"$v" --export-picture /dev/stdout m.wyk > b.png; echo "$? $(head -c 4 b.png | tail -c 3)"
mkfifo f; timeout 9 cat f > g & "$v" --export-off f m.wyk; wait; echo "$(head -c 3 g) $(LC_ALL=C stat -c %F f)"
timeout 9 "$v" --export-web f m.wyk 2>/dev/null; echo "$? $(ls | grep -c class)"
cp m.wyk k && ln k k2 && "$v" --export-off k2 m.wyk && head -c 5 k
n=$(printf 'n\377.wyk'); cp m.wyk "$n"; "$v" --export-off n.off "$n"; echo "$? $(head -c 3 n.off)"
for z in off:m.wyk off:s.wyk picture:h.wyk web:x.off; do
"$v" --export-${z%:*} ${z#*:} m.wyk 2>&1 | grep -c "„${z#*:}“\|/x.htm“"; done
rm "$n"; ls x.off; cmp m.wyk a && echo gleich)sh"),
        "OFF 0\n0 PNG\nOFF fifo\n1 0\nOFF\r\n0 OFF\n1\n1\n1\n1\ngleich\n");
}

// Run as nobody: a file in a folder the user may not write is written, another user's file
// keeps its owner, a device stays one, a file the user may not write is kept; a link in a
// sticky folder owned by a third user is not followed, one of the folder's owner is.
TEST(Kommandozeile, KeepsWhatAPlainWriteKeepsAndRefusesWhatItRefuses) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs the superuser to set up files of several users";
    }
    EXPECT_EQ(skriptAusgabe(R"sh(cd "$1" && chmod 755 . && mkdir -m 755 f && mkdir -m 1777 t && cd t
for d in ../f/eigen fremd nurlesen ziel; do echo alt >$d; done; chmod 666 fremd ziel
chmod 444 nurlesen; chown nobody nurlesen ../f/eigen; mknod -m 666 null c 1 3; cp ../m.wyk .
ln -s ziel fremd-link; ln -s ziel eigen-link; chown -h 1 fremd-link
for z in ../f/eigen fremd null nurlesen fremd-link eigen-link; do
setpriv --reuid=nobody --regid=nogroup --clear-groups "$2" --export-off $z m.wyk 2>/dev/null
echo $? $(head -c 3 $z) $(LC_ALL=C stat -Lc '%u %F' $z); done)sh"),
              "0 OFF 65534 regular file\n0 OFF 0 regular file\n0 0 character special file\n"
              "1 alt 65534 regular file\n1 alt 0 regular file\n0 OFF 0 regular file\n");
}

// The colours of the pixels that are not black. Checks that they lie inside the margin of
// 1/32 of the shorter side, centred, and out to the margin but for schlupf pixels one way.
QSet<QRgb> eingepasst(const QImage& bild, int schlupf) {
    QSet<QRgb> farben;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            farben << bild.pixel(x, y);
        }
    }
    farben.remove(qRgb(0, 0, 0));
    const int rand = std::max(1, std::min(bild.width(), bild.height()) / 32);
    EXPECT_TRUE(ganzUndMittig(bild, rand, 2));
    const QRect box = bemalt(bild);
    EXPECT_TRUE(box.width() + 2 * rand + schlupf >= bild.width() ||
                box.height() + 2 * rand + schlupf >= bild.height());
    return farben;
}

// A file manager's call: the preview entry's Exec line with its fields filled in, run from
// the root folder with a home folder that cannot be written and nothing else in the
// environment but the sanitizers' options. Gives the exit code, -1 for a crash.
int vorschau(const QString& modell, int groesse, const QString& ziel) {
    QFile eintrag(QStringLiteral(WYK_EXAMPLES_DIR "/../resources/desktop/wyk-viewer.thumbnailer"));
    EXPECT_TRUE(eintrag.open(QIODevice::ReadOnly));
    QStringList befehl =
        QString::fromUtf8(eintrag.readAll()).section("\nExec=", 1).section('\n', 0, 0).split(' ');
    for (QString& teil : befehl) {
        teil.replace("%s", QString::number(groesse)).replace("%i", modell).replace("%o", ziel);
    }
    EXPECT_EQ(befehl.takeFirst(), "wyk-viewer");
    QStringList aufruf{"-i", "HOME=/proc/kein-zuhause"};
    aufruf << QProcessEnvironment::systemEnvironment().toStringList().filter("SAN_OPTIONS=")
           << WYK_VIEWER_BINARY << befehl;
    QProcess programm;
    programm.setWorkingDirectory("/");
    programm.start("env", aufruf);
    const bool fertig = programm.waitForFinished(60000);
    return fertig && programm.exitStatus() == QProcess::NormalExit ? programm.exitCode() : -1;
}

TEST(Vorschau, FileManagersGetTheWholeModelInThePaletteOrNoFile) {
    QSet<QRgb> palette; // as the 16-bit picture holds the colours
    QImage punkt(1, 1, QImage::Format_RGB16);
    for (int code = 1; code <= 15; ++code) {
        punkt.fill(QColor(farbe(code)));
        palette << punkt.pixel(0, 0);
    }
    test::TempDir dir;
    const QByteArray klein = "1\n1 1 1\n1\n1 9\n"; // never replaced by its own preview
    EXPECT_NE(vorschau(dir.write("k.wyk", klein), 64, dir.path("k.wyk")), 0);
    EXPECT_NE(vorschau(dir.write("gross.wyk", "5000\n"), 128, dir.path("v.png")), 0);
    EXPECT_EQ(dir.names(), (QStringList{"gross.wyk", "k.wyk"}));
    EXPECT_EQ(dir.read("k.wyk"), klein);
    for (const QString modell : {"dreieck", "farben", "haus", "wuerfel"}) {
        for (const int groesse : {16, 100, 128, 256, 512, 1024}) {
            const QString ziel = dir.path(QStringLiteral("%1-%2.png").arg(modell).arg(groesse));
            SCOPED_TRACE(ziel.toStdString());
            ASSERT_EQ(vorschau(WYK_EXAMPLES_DIR "/" + modell + ".wyk", groesse, ziel), 0);
            const QImage bild(ziel, "png");
            EXPECT_EQ(bild.size(), QSize(groesse, groesse));
            EXPECT_TRUE(palette.contains(eingepasst(bild, 4)));
        }
    }
}

} // namespace
} // namespace wyk
