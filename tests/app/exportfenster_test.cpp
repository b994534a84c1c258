#include "app/winexport.h"
#include "appfixture.h"
#include "support/tempdir.h"

#include <QCheckBox>
#include <QPushButton>

namespace wyk::test {
namespace {

class ExportfensterTest : public AppTest {
protected:
    WINexport* oeffnen() {
        waehle("FIoffhtml");
        return app->exportFenster();
    }

    template <class T> static T* teil(WINexport* fenster, const char* name) {
        auto* found = fenster->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Ticks the boxes as asked and presses "Export".
    void exportieren(bool html, bool java) {
        WINexport* fenster = oeffnen();
        ASSERT_NE(fenster, nullptr);
        teil<QCheckBox>(fenster, "CBhtml")->setChecked(html);
        teil<QCheckBox>(fenster, "CBjava")->setChecked(java);
        QTest::mouseClick(teil<QPushButton>(fenster, "PushButton1"), Qt::LeftButton);
    }

    TempDir dir;
};

TEST_F(ExportfensterTest, WindowHasItsControls) {
    WINexport* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->windowTitle(), "OFF+ Export");
    EXPECT_EQ(fenster->size(), QSize(212, 128));
    EXPECT_EQ(fenster->minimumSize(), fenster->maximumSize());
    struct Fall {
        const char* name;
        QRect geometrie;
        const char* text;
    };
    const Fall faelle[] = {{"CBhtml", {56, 14, 100, 20}, "HTML-Datei"},
                           {"CBjava", {56, 46, 100, 20}, "Java-Plugins"},
                           {"PushButton1", {20, 88, 80, 20}, "Export"},
                           {"PushButton2", {112, 88, 80, 20}, "Abbruch"}};
    for (const Fall& fall : faelle) {
        auto* w = teil<QWidget>(fenster, fall.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), fall.geometrie) << fall.name;
        EXPECT_EQ(w->property("text").toString(), fall.text);
    }
    EXPECT_FALSE(teil<QCheckBox>(fenster, "CBhtml")->isChecked());
    EXPECT_FALSE(teil<QCheckBox>(fenster, "CBjava")->isChecked());
    EXPECT_TRUE(teil<QPushButton>(fenster, "PushButton1")->isDefault());
    EXPECT_FALSE(teil<QPushButton>(fenster, "PushButton2")->isDefault());
}

struct ExportFall {
    const char* name;
    bool html;
    bool java;
};

TEST_F(ExportfensterTest, ExportWritesWhatIsTickedThenCloses) {
    const ExportFall faelle[] = {{"neither", false, false},
                                 {"page", true, false},
                                 {"class files", false, true},
                                 {"both", true, true}};
    lade(beispiel("haus.wyk"));
    for (const ExportFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TempDir ziel;
        dialogs->answers << ziel.path(QStringLiteral("haus.off"));
        exportieren(fall.html, fall.java);
        EXPECT_TRUE(ziel.exists(QStringLiteral("haus.off")));
        EXPECT_EQ(ziel.exists(QStringLiteral("haus.htm")), fall.html);
        for (const char* klasse :
             {"Viewer41.class", "Face.class", "Matrix3D.class", "OOGL_OFF.class"}) {
            EXPECT_EQ(ziel.exists(QString::fromLatin1(klasse)), fall.java) << klasse;
        }
        EXPECT_FALSE(m().htmlsave);
        EXPECT_FALSE(m().javasave);
        EXPECT_EQ(app->exportFenster(), nullptr);
    }
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(ExportfensterTest, CancelledDialogWritesNothingAndCloses) {
    exportieren(true, true);
    EXPECT_EQ(dialogs->opened, 1);
    EXPECT_FALSE(m().htmlsave);
    EXPECT_FALSE(m().javasave);
    EXPECT_EQ(app->exportFenster(), nullptr);
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(ExportfensterTest, AbbruchClosesWithoutAsking) {
    WINexport* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    teil<QCheckBox>(fenster, "CBhtml")->setChecked(true);
    QTest::mouseClick(teil<QPushButton>(fenster, "PushButton2"), Qt::LeftButton);
    EXPECT_EQ(app->exportFenster(), nullptr);
    EXPECT_EQ(dialogs->opened, 0);
    WINexport* neu = oeffnen();
    ASSERT_NE(neu, nullptr);
    EXPECT_FALSE(teil<QCheckBox>(neu, "CBhtml")->isChecked()) << "a new window starts unticked";
}

TEST_F(ExportfensterTest, ReturnKeyExports) {
    WINexport* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    dialogs->answers << dir.path(QStringLiteral("3D.off"));
    QTest::keyClick(fenster, Qt::Key_Return);
    EXPECT_EQ(dialogs->proposed, QStringList{QStringLiteral("3D.off")});
    EXPECT_EQ(dir.read(QStringLiteral("3D.off")), "OFF\r\n0 0 99\r\n");
    EXPECT_EQ(app->exportFenster(), nullptr);
}

TEST_F(ExportfensterTest, FailureIsReportedAndTheFlagsAreReset) {
    dialogs->answers << dir.path(QStringLiteral("fehlt/3D.off"));
    exportieren(true, false);
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].contains(QStringLiteral("3D.off"))) << meldungen[0].toStdString();
    EXPECT_FALSE(m().htmlsave);
    EXPECT_EQ(app->exportFenster(), nullptr);
}

} // namespace
} // namespace wyk::test
