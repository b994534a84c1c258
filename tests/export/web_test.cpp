#include "export/off.h"
#include "export/web.h"
#include "exporthelfer.h"
#include "support/scripteddialogs.h"
#include "support/tempdir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace wyk {
namespace {

const QStringList kKlassen = {"Face.class", "Matrix3D.class", "OOGL_OFF.class", "Viewer41.class"};

// The page's sixth line for a value attribute as it stands in the file.
QByteArray appletZeile(const QByteArray& wert) {
    return "<CENTER><APPLET code=\"Viewer41.class\" WIDTH=\"640\" HEIGHT=\"480\">"
           "<PARAM name=model value=\"" +
           wert + "\"></APPLET></CENTER>";
}

QByteArray seite(const QByteArray& wert) {
    const QByteArray zeile = appletZeile(wert);
    return test::crlf({"<HTML>", "<HEAD>", "<TITLE>OFF-Viewer</TITLE>", "</HEAD>", "<BODY>",
                       zeile.constData(), "</BODY>", "</HTML>"});
}

// Runs the export window's "Export" on the chosen file name inside dir.
Outcome exportiere(Module1& m, const test::TempDir& dir, const QString& name, bool html,
                   bool java) {
    test::ScriptedDialogs dialogs;
    dialogs.answers << dir.path(name);
    return offPlusExportieren(m, dialogs, html, java);
}

TEST(WebExport, PageForHausIsExactlyTheEightLines) {
    test::TempDir dir;
    Module1 m;
    ASSERT_TRUE(test::ladeBeispiel(m, "haus.wyk"));
    ASSERT_TRUE(exportiere(m, dir, "haus.off", true, false).isDone());
    EXPECT_EQ(dir.read("haus.htm"),
              QByteArray("<HTML>\r\n<HEAD>\r\n<TITLE>OFF-Viewer</TITLE>\r\n</HEAD>\r\n<BODY>\r\n"
                         "<CENTER><APPLET code=\"Viewer41.class\" WIDTH=\"640\" "
                         "HEIGHT=\"480\"><PARAM name=model value=\"haus.off\"></APPLET>"
                         "</CENTER>\r\n</BODY>\r\n</HTML>\r\n"));
    EXPECT_EQ(test::dateien(dir.path("")), (QStringList{"haus.htm", "haus.off"}));
}

struct SeitenFall {
    const char* offName;
    const char* datname;
    const char* seitenName;
    QByteArray wert; // the value attribute's bytes in the file
};

TEST(WebExport, PageNameAndModelValueFollowTheOffName) {
    const SeitenFall cases[] = {
        {"haus.off", "haus.wyk", "haus.htm", "haus.off"},
        {"haus", "haus.wyk", "haus.wyk.htm", "haus"},
        {"a.offset", "x.wyk", "a.of.htm", "a.offset"},
        {"HAUS.OFF", "haus.wyk", "haus.wyk.htm", "HAUS.OFF"},
        {".off", "x.wyk", ".htm", ".off"},
        {"Tom & \"Jerry\".off", "x.wyk", "Tom & \"Jerry\".htm", "Tom &amp; &quot;Jerry&quot;.off"},
        {"<b>.off", "x.wyk", "<b>.htm", "&lt;b&gt;.off"},
        {"Würfel €.off", "x.wyk", "Würfel €.htm",
         "W\xFC"
         "rfel \x80.off"},
        {"Ωmega.off", "x.wyk", "Ωmega.htm", "&#937;mega.off"},
        {"modell😀.off", "x.wyk", "modell😀.htm", "modell&#128512;.off"},
        {"x.off😀", "x.wyk", "x..htm", "x.off&#128512;"},
    };
    for (const auto& c : cases) {
        const QString offName = QString::fromUtf8(c.offName);
        SCOPED_TRACE(c.offName);
        test::TempDir dir;
        Module1 m;
        m.datname = QString::fromUtf8(c.datname);
        ASSERT_TRUE(exportiere(m, dir, offName, true, false).isDone());
        const QString seitenName = QString::fromUtf8(c.seitenName);
        EXPECT_EQ(test::dateien(dir.path("")).size(), 2);
        EXPECT_TRUE(dir.exists(offName));
        EXPECT_EQ(dir.read(seitenName), seite(c.wert));
    }
}

TEST(WebExport, ClassFilesEqualTheResourcesAndNoPage) {
    test::TempDir dir;
    Module1 m;
    ASSERT_TRUE(test::ladeBeispiel(m, "haus.wyk"));
    ASSERT_TRUE(exportiere(m, dir, "haus.off", false, true).isDone());
    EXPECT_EQ(test::dateien(dir.path("")), QStringList(kKlassen) << "haus.off");
    const std::pair<const char*, int> dateien[] = {{"Face.class", 168},
                                                   {"Matrix3D.class", 169},
                                                   {"OOGL_OFF.class", 170},
                                                   {"Viewer41.class", 171}};
    for (const auto& [name, nummer] : dateien) {
        const QByteArray erwartet = test::klassendatei(nummer);
        ASSERT_GT(erwartet.size(), 100) << name;
        EXPECT_TRUE(erwartet.startsWith("\xCA\xFE\xBA\xBE")) << name;
        EXPECT_EQ(dir.read(name), erwartet) << name;
    }
}

TEST(WebExport, BothBoxesWriteEverythingAndReadTheResourcesOnce) {
    Module1 m;
    ASSERT_TRUE(test::ladeBeispiel(m, "wuerfel.wyk"));
    test::TempDir erster;
    test::TempDir zweiter;
    ASSERT_TRUE(exportiere(m, erster, "w.off", true, true).isDone());
    ASSERT_TRUE(exportiere(m, zweiter, "w.off", true, true).isDone());
    EXPECT_EQ(m.ressourcen.reads(), 4);
    const QStringList alle = QStringList(kKlassen) << "w.htm"
                                                   << "w.off";
    EXPECT_EQ(test::dateien(erster.path("")), alle);
    for (const QString& name : alle) {
        EXPECT_EQ(erster.read(name), zweiter.read(name)) << name.toStdString();
    }
}

TEST(WebExport, FlagsAreResetWhateverHappened) {
    struct Fall {
        const char* name;
        QString antwort; // null: the dialog is cancelled
    };
    test::TempDir dir;
    dir.write("datei", "kein Ordner");
    const Fall faelle[] = {{"written", dir.path("a.off")},
                           {"cancelled", QString()},
                           {"failed", dir.path("datei/a.off")}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Module1 m;
        test::ScriptedDialogs dialogs;
        dialogs.answers << fall.antwort;
        offPlusExportieren(m, dialogs, true, true);
        EXPECT_EQ(dialogs.opened, 1);
        EXPECT_FALSE(m.htmlsave);
        EXPECT_FALSE(m.javasave);
    }
}

TEST(WebExport, NeitherBoxWritesTheOffFileOnly) {
    test::TempDir dir;
    Module1 m;
    ASSERT_TRUE(exportiere(m, dir, "leer.off", false, false).isDone());
    EXPECT_EQ(test::dateien(dir.path("")), QStringList{"leer.off"});
}

TEST(WebExport, FailedPageIsReportedAndTheClassFilesStillWritten) {
    test::TempDir dir;
    ASSERT_TRUE(QDir(dir.path("")).mkdir("haus.htm"));
    Module1 m;
    ASSERT_TRUE(test::ladeBeispiel(m, "haus.wyk"));
    const Outcome ergebnis = exportiere(m, dir, "haus.off", true, true);
    ASSERT_TRUE(ergebnis.isFailed());
    EXPECT_TRUE(ergebnis.message().contains("haus.htm")) << ergebnis.message().toStdString();
    EXPECT_EQ(test::dateien(dir.path("")), QStringList(kKlassen) << "haus.htm"
                                                                 << "haus.off");
    EXPECT_EQ(dir.read("Viewer41.class"), test::klassendatei(171));
}

TEST(WebExport, UnwritableFolderFailsNamingTheFirstClassFile) {
    test::TempDir dir;
    dir.write("datei", "kein Ordner");
    Module1 m;
    const QString ordner = dir.path("fehlt") + QLatin1Char('/');
    const Outcome java = savejava(m, ordner);
    ASSERT_TRUE(java.isFailed());
    EXPECT_TRUE(java.message().contains("Viewer41.class")) << java.message().toStdString();
    const Outcome html = saveHTML(m, dir.path("datei") + QLatin1Char('/'), "a.off");
    ASSERT_TRUE(html.isFailed());
    EXPECT_TRUE(html.message().contains("a.htm")) << html.message().toStdString();
    EXPECT_EQ(test::dateien(dir.path("")), QStringList{"datei"});
}

TEST(WebExport, NeverReplacesTheOffFileJustWritten) {
    const std::pair<const char*, const char*> cases[] = {
        {"x.htm", "x"},          // the page's name falls back to datname + ".htm"
        {"Face.class", "x.wyk"}, // the applet's class files
    };
    for (const auto& [offName, datname] : cases) {
        SCOPED_TRACE(offName);
        test::TempDir dir;
        Module1 m;
        m.datname = datname;
        const Outcome ergebnis = exportiere(m, dir, offName, true, true);
        ASSERT_TRUE(ergebnis.isFailed());
        EXPECT_TRUE(ergebnis.message().contains(offName)) << ergebnis.message().toStdString();
        EXPECT_EQ(dir.read(offName), test::crlf({"OFF", "0 0 99"}));
    }
}

} // namespace
} // namespace wyk
