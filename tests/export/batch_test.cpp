#include "export/batch.h"
#include "export/off.h"
#include "export/picture.h"
#include "export/web.h"
#include "exporthelfer.h"
#include "platform/numbers.h"
#include "support/scripteddialogs.h"
#include "support/tempdir.h"
#include "view/projection.h"

#include <gtest/gtest.h>

namespace wyk {
namespace {

QStringList befehl(const QStringList& argumente) {
    return QStringList{"wyk-viewer"} + argumente;
}

TEST(Batch, RecognisesWhatIsNoWindowStart) {
    struct Fall {
        QStringList argumente;
        bool batch;
        const char* modell;
    };
    const Fall faelle[] = {
        {{}, false, ""},
        {{"haus.wyk"}, false, "haus.wyk"},
        {{"--", "--export-off"}, false, "--export-off"},
        {{"--export-off", "a.off", "haus.wyk"}, true, ""},
        {{"--export-web", "a.off", "haus.wyk"}, true, ""},
        {{"--export-png", "a.png", "haus.wyk"}, true, ""},
        {{"--help"}, true, ""},
        {{"-h"}, true, ""},
        {{"--version"}, true, ""},
        {{"-v"}, true, ""},
        {{"--unbekannt", "haus.wyk"}, true, ""},
        {{"--export-off"}, true, ""},
        {{"--size", "500x500", "haus.wyk"}, true, ""},
        {{"a.wyk", "b.wyk"}, true, ""},
    };
    for (const auto& fall : faelle) {
        const QStringList argumente = befehl(fall.argumente);
        SCOPED_TRACE(argumente.join(' ').toStdString());
        EXPECT_EQ(istBatch(argumente), fall.batch);
        if (!fall.batch) {
            EXPECT_EQ(modellArgument(argumente), QString::fromUtf8(fall.modell));
        }
    }
}

TEST(Batch, HelpAndVersionSucceed) {
    for (const char* option : {"--help", "-h", "--version", "-v"}) {
        EXPECT_EQ(batch(befehl({option})), 0) << option;
    }
}

TEST(Batch, RefusesBadCommandLinesWithoutWriting) {
    test::TempDir dir;
    dir.write("datei", "kein Ordner");
    dir.write("zuviel.wyk", "3001\n");
    const QString haus = test::beispiel("haus.wyk");
    const QString off = dir.path("a.off");
    const QString png = dir.path("a.png");
    struct Fall {
        const char* name;
        QStringList argumente;
        int code;
    };
    const Fall faelle[] = {
        {"missing model", {"--export-off", off}, 2},
        {"two models", {"--export-off", off, haus, haus}, 2},
        {"two exports", {"--export-off", off, "--export-png", png, haus}, 2},
        {"the same export twice", {"--export-off", off, "--export-off", off, haus}, 2},
        {"no export", {"--size", "500x500", haus}, 2},
        {"unknown option", {"--export-obj", off, haus}, 2},
        {"missing value", {haus, "--export-off"}, 2},
        {"size with an OFF export", {"--export-off", off, "--size", "500x500", haus}, 2},
        {"size too small", {"--export-png", png, "--size", "399x500", haus}, 2},
        {"size too wide", {"--export-png", png, "--size", "1425x500", haus}, 2},
        {"size too high", {"--export-png", png, "--size", "500x866", haus}, 2},
        {"size not a size", {"--export-png", png, "--size", "gross", haus}, 2},
        {"size with blanks", {"--export-png", png, "--size", "500 x 500", haus}, 2},
        {"size negative", {"--export-png", png, "--size", "-500x500", haus}, 2},
        {"missing model file", {"--export-off", off, dir.path("fehlt.wyk")}, 1},
        {"model is a folder", {"--export-off", off, dir.path("")}, 1},
        {"refused model", {"--export-web", off, dir.path("zuviel.wyk")}, 1},
        {"OFF in a file", {"--export-web", dir.path("datei/a.off"), haus}, 1},
        {"OFF in a missing folder", {"--export-off", dir.path("fehlt/a.off"), haus}, 1},
        {"picture in a file", {"--export-png", dir.path("datei/a.png"), haus}, 1},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        EXPECT_EQ(batch(befehl(fall.argumente)), fall.code);
        EXPECT_EQ(test::dateien(dir.path("")), (QStringList{"datei", "zuviel.wyk"}));
    }
}

TEST(Batch, OffExportGivesTheBytesOfTheWindowsCommand) {
    for (const char* name : {"dreieck.wyk", "haus.wyk", "wuerfel.wyk", "farben.wyk"}) {
        SCOPED_TRACE(name);
        test::TempDir dir;
        ASSERT_EQ(batch(befehl({"--export-off", dir.path("batch.off"), test::beispiel(name)})), 0);
        Module1 m;
        test::ScriptedDialogs dialogs;
        dialogs.answers << test::beispiel(name) << dir.path("fenster.off");
        ASSERT_TRUE(datenlesen(m, dialogs).isDone());
        ASSERT_TRUE(saveoff(m, dialogs).isDone());
        EXPECT_EQ(dir.read("batch.off"), dir.read("fenster.off"));
        EXPECT_TRUE(dir.read("batch.off").startsWith("OFF\r\n"));
    }
}

TEST(Batch, WebExportWritesPageAndClassFilesBesideTheOffFile) {
    test::TempDir dir;
    test::TempDir fenster;
    ASSERT_EQ(batch(befehl({"--export-web", dir.path("haus.off"), test::beispiel("haus.wyk")})), 0);
    Module1 m;
    ASSERT_TRUE(test::ladeBeispiel(m, "haus.wyk"));
    test::ScriptedDialogs dialogs;
    dialogs.answers << fenster.path("haus.off");
    ASSERT_TRUE(offPlusExportieren(m, dialogs, true, true).isDone());
    const QStringList namen = test::dateien(dir.path(""));
    EXPECT_EQ(namen, (QStringList{"Face.class", "Matrix3D.class", "OOGL_OFF.class",
                                  "Viewer41.class", "haus.htm", "haus.off"}));
    EXPECT_EQ(namen, test::dateien(fenster.path("")));
    for (const QString& name : namen) {
        EXPECT_EQ(dir.read(name), fenster.read(name)) << name.toStdString();
    }
}

TEST(Batch, PictureIsTheStartViewOfAWindowOfThatSize) {
    struct Fall {
        QStringList groesse;
        QSize erwartet;
    };
    const Fall faelle[] = {{{}, {400, 400}},
                           {{"--size", "400x400"}, {400, 400}},
                           {{"--size", "1424x865"}, {1424, 865}},
                           {{"--size", "633x501"}, {633, 501}}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.erwartet.width());
        test::TempDir dir;
        ASSERT_EQ(batch(befehl(QStringList{"--export-png", dir.path("b.png")} + fall.groesse +
                               QStringList{test::beispiel("haus.wyk")})),
                  0);
        // The windows: start, load, resize the canvas, save the picture.
        Module1 m;
        ASSERT_TRUE(init(m).isDone());
        ASSERT_TRUE(test::ladeBeispiel(m, "haus.wyk"));
        m.breite = fall.erwartet.width();
        m.hoehe = fall.erwartet.height();
        m.origx = toInteger(m.breite * (200.0 / 400));
        m.origy = toInteger(m.hoehe * (200.0 / 400));
        test::ScriptedDialogs dialogs;
        dialogs.answers << dir.path("f.png");
        ASSERT_TRUE(savepic(m, dialogs).isDone());
        const QImage bild(dir.path("b.png"));
        EXPECT_EQ(bild.size(), fall.erwartet);
        EXPECT_EQ(bild, QImage(dir.path("f.png")));
        EXPECT_EQ(dir.read("b.png"), dir.read("f.png"));
    }
}

} // namespace
} // namespace wyk
