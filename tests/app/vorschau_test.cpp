#include "app/start.h"
#include "support/tempdir.h"
#include "view/palette.h"

#include <QImage>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

namespace wyk {
namespace {

// The box around the pixels that are not black, and their colours.
struct Zeichnung {
    QRect box;
    QSet<QRgb> farben;
};

Zeichnung auswerten(const QImage& bild) {
    Zeichnung z;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (const QRgb farbe = bild.pixel(x, y); farbe != qRgb(0, 0, 0)) {
                z.box |= QRect(x, y, 1, 1);
                z.farben << farbe;
            }
        }
    }
    return z;
}

// Inside the margin of 1/32 of the shorter side, centred, and out to the margin but for
// schlupf pixels in one direction.
void eingepasst(const QImage& bild, int schlupf, const QString& fall) {
    const QRect box = auswerten(bild).box;
    const int rand = std::max(1, std::min(bild.width(), bild.height()) / 32);
    EXPECT_TRUE(bild.rect().adjusted(rand, rand, -rand, -rand).contains(box)) << fall.toStdString();
    EXPECT_NEAR(box.left(), bild.width() - 1 - box.right(), 2) << fall.toStdString();
    EXPECT_NEAR(box.top(), bild.height() - 1 - box.bottom(), 2) << fall.toStdString();
    EXPECT_TRUE(box.width() + 2 * rand + schlupf >= bild.width() ||
                box.height() + 2 * rand + schlupf >= bild.height())
        << fall.toStdString();
}

// A file manager's call: the preview entry's Exec line with its fields filled in, run from
// the root folder with no display, a home folder that cannot be written and nothing else in
// the environment (but the sanitizers' options). Gives the exit code, -1 for a crash.
int vorschau(const QString& modell, int groesse, const QString& ziel) {
    QFile eintrag(QStringLiteral(WYK_EXAMPLES_DIR "/../resources/desktop/wyk-viewer.thumbnailer"));
    EXPECT_TRUE(eintrag.open(QIODevice::ReadOnly));
    QStringList befehl =
        QString::fromUtf8(eintrag.readAll()).section("\nExec=", 1).section('\n', 0, 0).split(' ');
    for (QString& teil : befehl) {
        teil.replace("%s", QString::number(groesse)).replace("%i", modell).replace("%o", ziel);
    }
    EXPECT_EQ(befehl.takeFirst(), "wyk-viewer");
    QProcessEnvironment umgebung;
    umgebung.insert("HOME", "/proc/kein-zuhause");
    const QProcessEnvironment hier = QProcessEnvironment::systemEnvironment();
    for (const QString& name : hier.keys().filter("SAN_OPTIONS")) {
        umgebung.insert(name, hier.value(name));
    }
    QProcess programm;
    programm.setProcessEnvironment(umgebung);
    programm.setWorkingDirectory("/");
    programm.start(WYK_VIEWER_BINARY, befehl);
    const bool normal =
        programm.waitForFinished(60000) && programm.exitStatus() == QProcess::NormalExit;
    return normal ? programm.exitCode() : -1;
}

TEST(Vorschau, FileManagersGetTheWholeModelInThePalette) {
    QSet<QRgb> palette; // as the 16-bit picture holds the colours
    for (int code = 1; code <= 15; ++code) {
        QImage punkt(1, 1, QImage::Format_RGB16);
        punkt.fill(QColor(farbe(code)));
        palette << punkt.pixel(0, 0);
    }
    test::TempDir dir;
    for (const char* modell : {"dreieck", "farben", "haus", "wuerfel"}) {
        for (const int groesse : {16, 100, 128, 256, 512, 1024}) {
            const QString fall = QStringLiteral("%1 %2").arg(modell).arg(groesse);
            const QString ziel = dir.path(fall + ".png");
            ASSERT_EQ(
                vorschau(QStringLiteral(WYK_EXAMPLES_DIR "/%1.wyk").arg(modell), groesse, ziel), 0)
                << fall.toStdString();
            const QImage bild(ziel, "png");
            EXPECT_EQ(bild.size(), QSize(groesse, groesse)) << fall.toStdString();
            eingepasst(bild, 4, fall);
            EXPECT_TRUE(palette.contains(auswerten(bild).farben)) << fall.toStdString();
        }
    }
}

TEST(Vorschau, ARefusedModelGivesNoPicture) {
    test::TempDir dir;
    EXPECT_NE(vorschau(dir.write("gross.wyk", "5000\n"), 128, dir.path("v.png")), 0);
    EXPECT_EQ(dir.names(), QStringList{"gross.wyk"});
}

// --fit after the other view options: whole zooms, so up to a tenth of the side stays free.
TEST(Vorschau, FitShowsTheWholeModelInPictureExports) {
    const std::pair<const char*, QStringList> faelle[] = {
        {"haus", {"--size", "800x600"}},
        {"wuerfel", {"--points", "--size", "400x865", "--turn", "1"}},
        {"dreieck", {"--tilt", "0", "--size", "1424x400"}}};
    test::TempDir dir;
    for (const auto& [modell, optionen] : faelle) {
        const QStringList aufruf{
            "wyk-viewer",      "--export-picture",
            dir.path("f.png"), "--fit",
            "--no-axes",       QStringLiteral(WYK_EXAMPLES_DIR "/%1.wyk").arg(modell)};
        ASSERT_EQ(starten(planAus(aufruf + optionen), false), 0);
        const QImage bild(dir.path("f.png"));
        eingepasst(bild, bild.width() / 10, modell);
    }
}

} // namespace
} // namespace wyk
