#include "exporthelfer.h"
#include "support/tempdir.h"

#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

namespace wyk {
namespace {

// One run of the program; output and exit code.
struct Lauf {
    int code = -1;
    QString ausgabe;
    QString fehler;
};

Lauf starte(const QStringList& argumente) {
    QProcess programm;
    programm.start(QStringLiteral(WYK_VIEWER_BINARY), argumente);
    Lauf lauf;
    if (!programm.waitForFinished(60000) || programm.exitStatus() != QProcess::NormalExit) {
        programm.kill();
        programm.waitForFinished();
        return lauf;
    }
    lauf.code = programm.exitCode();
    lauf.ausgabe = QString::fromLocal8Bit(programm.readAllStandardOutput());
    lauf.fehler = QString::fromLocal8Bit(programm.readAllStandardError());
    return lauf;
}

// The screen colour a 16-bit picture keeps of a colour.
QRgb gespeichert(QRgb farbe) {
    QImage probe(1, 1, QImage::Format_RGB16);
    probe.fill(QColor(farbe));
    return probe.pixel(0, 0);
}

TEST(Kommandozeile, HelpAndVersion) {
    const Lauf hilfe = starte({"--help"});
    EXPECT_EQ(hilfe.code, 0);
    for (const char* option : {"--export-off", "--export-web", "--export-png", "--size"}) {
        EXPECT_TRUE(hilfe.ausgabe.contains(option)) << option;
    }
    const Lauf version = starte({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.ausgabe.trimmed(), "wyk-viewer 2.1");
}

TEST(Kommandozeile, OffExportOfTheSmallExample) {
    test::TempDir dir;
    const Lauf lauf = starte({"--export-off", dir.path("d.off"), test::beispiel("dreieck.wyk")});
    EXPECT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    EXPECT_FALSE(lauf.fehler.contains("wyk-viewer:")) << lauf.fehler.toStdString();
    EXPECT_EQ(dir.read("d.off"),
              test::crlf({"OFF", "3 3 99", "0 0 0", "10 0 0", "0 10 0", "2 0 1 1 0.5 0.5",
                          "2 1 2 0.5 1 0.5", "2 2 0 0.5 0.5 1"}));
}

TEST(Kommandozeile, WebExportWritesPageAndClassFiles) {
    test::TempDir dir;
    const Lauf lauf = starte({"--export-web", dir.path("haus.off"), test::beispiel("haus.wyk")});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(test::dateien(dir.path("")),
              (QStringList{"Face.class", "Matrix3D.class", "OOGL_OFF.class", "Viewer41.class",
                           "haus.htm", "haus.off"}));
    EXPECT_TRUE(dir.read("haus.htm").contains("<PARAM name=model value=\"haus.off\">"));
    EXPECT_TRUE(dir.read("haus.off").startsWith("OFF\r\n10 17 99\r\n"));
    const std::pair<const char*, int> klassen[] = {{"Face.class", 168},
                                                   {"Matrix3D.class", 169},
                                                   {"OOGL_OFF.class", 170},
                                                   {"Viewer41.class", 171}};
    for (const auto& [name, nummer] : klassen) {
        EXPECT_EQ(dir.read(name), test::klassendatei(nummer)) << name;
    }
}

TEST(Kommandozeile, PictureOfTheStartView) {
    test::TempDir dir;
    const Lauf lauf = starte(
        {"--export-png", dir.path("h.png"), "--size", "800x600", test::beispiel("haus.wyk")});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    const QImage bild(dir.path("h.png"));
    ASSERT_EQ(bild.size(), QSize(800, 600));
    EXPECT_EQ(bild.pixel(0, 0), gespeichert(qRgb(0, 0, 0))) << "background";
    EXPECT_EQ(bild.pixel(799, 599), gespeichert(qRgb(0, 0, 0))) << "background";
    EXPECT_EQ(bild.pixel(400, 300), gespeichert(qRgb(255, 0, 0))) << "the origin, centred";

    const Lauf klein = starte({"--export-png", dir.path("k.png"), test::beispiel("haus.wyk")});
    ASSERT_EQ(klein.code, 0) << klein.fehler.toStdString();
    const QImage kleinesBild(dir.path("k.png"));
    EXPECT_EQ(kleinesBild.size(), QSize(400, 400));
    EXPECT_EQ(kleinesBild.pixel(200, 200), gespeichert(qRgb(255, 0, 0)));
}

TEST(Kommandozeile, FailuresExitWithAMessage) {
    test::TempDir dir;
    dir.write("datei", "kein Ordner");
    dir.write("zuviel.wyk", "3001\n1 2 3\n");
    const QString haus = test::beispiel("haus.wyk");
    struct Fall {
        const char* name;
        QStringList argumente;
        int code;
        QString erwaehnt; // the message names it
    };
    const Fall faelle[] = {
        {"missing model file",
         {"--export-off", dir.path("a.off"), dir.path("fehlt.wyk")},
         1,
         "fehlt.wyk"},
        {"refused model", {"--export-off", dir.path("a.off"), dir.path("zuviel.wyk")}, 1, "3001"},
        {"unwritable output", {"--export-off", dir.path("datei/a.off"), haus}, 1, "a.off"},
        {"unwritable picture", {"--export-png", dir.path("datei/a.png"), haus}, 1, "a.png"},
        {"missing model", {"--export-off", dir.path("a.off")}, 2, "--help"},
        {"two exports",
         {"--export-off", dir.path("a.off"), "--export-web", "b.off", haus},
         2,
         "--help"},
        {"bad size", {"--export-png", dir.path("a.png"), "--size", "300x300", haus}, 2, "300x300"},
        {"unknown option", {"--bunt", haus}, 2, "bunt"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Lauf lauf = starte(fall.argumente);
        EXPECT_EQ(lauf.code, fall.code);
        EXPECT_TRUE(lauf.fehler.contains(fall.erwaehnt)) << lauf.fehler.toStdString();
        EXPECT_TRUE(lauf.ausgabe.isEmpty());
        EXPECT_EQ(test::dateien(dir.path("")), (QStringList{"datei", "zuviel.wyk"}));
    }
}

} // namespace
} // namespace wyk
