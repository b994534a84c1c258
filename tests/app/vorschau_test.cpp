#include "app/start.h"
#include "support/tempdir.h"
#include "view/palette.h"

#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

namespace wyk {
namespace {

// The colours of the pixels that are not black. Checks that they lie inside the margin of
// 1/32 of the shorter side, centred, and out to the margin but for schlupf pixels one way.
QSet<QRgb> eingepasst(const QImage& bild, int schlupf) {
    QRect box;
    QSet<QRgb> farben;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (const QRgb farbe = bild.pixel(x, y); farbe != qRgb(0, 0, 0)) {
                box |= QRect(x, y, 1, 1);
                farben << farbe;
            }
        }
    }
    const int rand = std::max(1, std::min(bild.width(), bild.height()) / 32);
    EXPECT_TRUE(bild.rect().adjusted(rand, rand, -rand, -rand).contains(box));
    EXPECT_NEAR(box.left(), bild.width() - 1 - box.right(), 2);
    EXPECT_NEAR(box.top(), bild.height() - 1 - box.bottom(), 2);
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
    QProcessEnvironment umgebung, hier = QProcessEnvironment::systemEnvironment();
    umgebung.insert("HOME", "/proc/kein-zuhause");
    for (const QString& name : hier.keys().filter("SAN_OPTIONS")) {
        umgebung.insert(name, hier.value(name));
    }
    QProcess programm;
    programm.setProcessEnvironment(umgebung);
    programm.setWorkingDirectory("/");
    programm.start(WYK_VIEWER_BINARY, befehl);
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

// --fit after the other view options: whole zooms, so up to a tenth of the side stays free.
TEST(Vorschau, FitShowsTheWholeModelInPictureExports) {
    const QStringList faelle[] = {
        {WYK_EXAMPLES_DIR "/haus.wyk", "--size", "800x600"},
        {WYK_EXAMPLES_DIR "/wuerfel.wyk", "--points", "--size", "400x865", "--turn", "1"},
        {WYK_EXAMPLES_DIR "/dreieck.wyk", "--tilt", "0", "--size", "1424x400"}};
    test::TempDir dir;
    const QStringList aufruf{"wyk-viewer", "--fit", "--no-axes", "--export-picture",
                             dir.path("f.png")};
    for (const QStringList& optionen : faelle) {
        SCOPED_TRACE(optionen.join(' ').toStdString());
        ASSERT_EQ(starten(planAus(aufruf + optionen), false), 0);
        eingepasst(QImage(dir.path("f.png")), 800 / 10);
    }
}

} // namespace
} // namespace wyk
