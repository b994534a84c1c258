#include "app/wiinfo.h"
#include "app/winexport.h"
#include "appfixture.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMenu>

namespace wyk::test {
namespace {

class MenueTest : public AppTest {
protected:
    QMenu* menue(const char* name) const {
        auto* found = app->menuBar().findChild<QMenu*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QLineEdit* zoomFeld() const { return control<QLineEdit>("EFzoom"); }

    template <class T> static int fensterAnzahl() {
        int anzahl = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            anzahl += qobject_cast<T*>(w) != nullptr && w->isVisible() ? 1 : 0;
        }
        return anzahl;
    }
};

struct Eintrag {
    const char* name;
    const char* text; // nullptr for a separator
    const char* shortcut;
};

void vergleiche(const QMenu* menu, const std::vector<Eintrag>& erwartet) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(erwartet.size()));
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        SCOPED_TRACE(erwartet[i].name);
        const QAction* action = actions[static_cast<qsizetype>(i)];
        EXPECT_EQ(action->objectName(), erwartet[i].name);
        EXPECT_EQ(action->isSeparator(), erwartet[i].text == nullptr);
        if (erwartet[i].text != nullptr) {
            EXPECT_EQ(action->text(), QString::fromUtf8(erwartet[i].text));
        }
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(erwartet[i].shortcut)));
        EXPECT_TRUE(action->isEnabled());
    }
}

TEST_F(MenueTest, FileMenuHoldsTheCommandsInOrder) {
    const QList<QAction*> menues = app->menuBar().actions();
    ASSERT_EQ(menues.size(), 2);
    EXPECT_EQ(menues[0]->text(), "&File");
    EXPECT_EQ(menues[1]->text(), "&Edit");
    vergleiche(menue("FileMenu"), {{"FIload", "WYK laden ... ", "Ctrl+O"},
                                   {"FIsave", "Bild speichern ... ", "Ctrl+S"},
                                   {"FIoff", "OFF exportieren...", "Ctrl+E"},
                                   {"FIoffhtml", "OFF+ exportieren...", "Ctrl+H"},
                                   {"UntitledItem", nullptr, ""},
                                   {"About", "Über... ", "Ctrl+I"},
                                   {"UntitledItem", nullptr, ""},
                                   {"FileQuit", "Quit", "Ctrl+Q"}});
    EXPECT_EQ(eintrag("About")->menuRole(), QAction::AboutRole);
    EXPECT_EQ(eintrag("FileQuit")->menuRole(), QAction::QuitRole);
    for (const char* name : {"FIload", "FIsave", "FIoff", "FIoffhtml", "About", "FileQuit"}) {
        EXPECT_EQ(eintrag(name)->shortcutContext(), Qt::ApplicationShortcut) << name;
    }
}

TEST_F(MenueTest, EditMenuHoldsTheTextCommands) {
    vergleiche(menue("EditMenu"), {{"EditUndo", "&Undo", "Ctrl+Z"},
                                   {"UntitledMenu1", nullptr, ""},
                                   {"EditCut", "Cu&t", "Ctrl+X"},
                                   {"EditCopy", "&Copy", "Ctrl+C"},
                                   {"EditPaste", "&Paste", "Ctrl+V"},
                                   {"EditClear", "Clear", ""},
                                   {"UntitledMenu0", nullptr, ""},
                                   {"EditSelectAll", "Select &All", "Ctrl+A"}});
}

TEST_F(MenueTest, OpenShortcutLoadsAndRedraws) {
    dialogs->answers << beispiel("haus.wyk");
    QTest::keyClick(&haupt(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m().datname, "haus.wyk");
    EXPECT_EQ(redraws, 1);
}

TEST_F(MenueTest, OffExportWritesOnlyTheOffFile) {
    lade(beispiel("dreieck.wyk"));
    TempDir dir;
    m().htmlsave = true;
    m().javasave = true;
    dialogs->answers << dir.path(QStringLiteral("dreieck.off"));
    waehle("FIoff");
    EXPECT_EQ(dialogs->proposed, QStringList{QStringLiteral("dreieck.off")});
    EXPECT_TRUE(dir.read(QStringLiteral("dreieck.off")).startsWith("OFF\r\n3 3 99\r\n"));
    EXPECT_FALSE(dir.exists(QStringLiteral("dreieck.htm")));
    EXPECT_FALSE(dir.exists(QStringLiteral("Viewer41.class")));
    EXPECT_FALSE(m().htmlsave);
    EXPECT_FALSE(m().javasave);
}

TEST_F(MenueTest, FailedExportIsReported) {
    TempDir dir;
    const QString ziel = dir.path(QStringLiteral("fehlt/3D.off"));
    dialogs->answers << ziel << dir.path(QStringLiteral("fehlt/bild.png"));
    waehle("FIoff");
    waehle("FIsave");
    ASSERT_EQ(meldungen.size(), 2);
    EXPECT_TRUE(meldungen[0].contains(QStringLiteral("3D.off"))) << meldungen[0].toStdString();
    EXPECT_TRUE(meldungen[1].contains(QStringLiteral("bild.png"))) << meldungen[1].toStdString();
}

TEST_F(MenueTest, CancelledExportsSayNothing) {
    waehle("FIoff");
    waehle("FIsave");
    EXPECT_EQ(dialogs->opened, 2);
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(MenueTest, SavePictureHasTheDrawingsSize) {
    haupt().resize(haupt().size() + QSize(100, 50));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m().breite == 500; }));
    TempDir dir;
    dialogs->answers << dir.path(QStringLiteral("bild.png"));
    waehle("FIsave");
    EXPECT_EQ(dialogs->proposed, QStringList{QStringLiteral("bild")});
    EXPECT_EQ(QImage(dir.path(QStringLiteral("bild.png"))).size(), QSize(500, 450));
}

TEST_F(MenueTest, OffPlusOnlyOpensTheExportWindow) {
    waehle("FIoffhtml");
    EXPECT_EQ(dialogs->opened, 0);
    ASSERT_NE(app->exportFenster(), nullptr);
    WINexport* fenster = app->exportFenster();
    waehle("FIoffhtml");
    EXPECT_EQ(app->exportFenster(), fenster);
    EXPECT_EQ(fensterAnzahl<WINexport>(), 1);
}

TEST_F(MenueTest, AboutTwiceShowsOneWindow) {
    waehle("About");
    waehle("About");
    EXPECT_EQ(fensterAnzahl<WIInfo>(), 1);
    ASSERT_NE(app->infoFenster(), nullptr);
    app->infoFenster()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app->infoFenster(), nullptr);
    waehle("About");
    EXPECT_EQ(fensterAnzahl<WIInfo>(), 1) << "a new one after closing";
}

TEST_F(MenueTest, EditCommandsActOnTheFocusedZoomField) {
    haupt().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&haupt()));
    zoomFeld()->setFocus();
    ASSERT_TRUE(zoomFeld()->hasFocus());
    waehle("EditSelectAll");
    EXPECT_EQ(zoomFeld()->selectedText(), "10");
    waehle("EditCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), "10");
    QApplication::clipboard()->setText(QStringLiteral("42"));
    waehle("EditPaste");
    EXPECT_EQ(zoomFeld()->text(), "42");
    EXPECT_EQ(m().zoomfaktor, 42);
    waehle("EditUndo");
    EXPECT_EQ(zoomFeld()->text(), "10");
    EXPECT_EQ(m().zoomfaktor, 10);
    waehle("EditSelectAll");
    waehle("EditCut");
    EXPECT_EQ(QApplication::clipboard()->text(), "10");
    EXPECT_EQ(zoomFeld()->text(), "1") << "an empty field reads as 1";
    EXPECT_EQ(m().zoomfaktor, 1);
}

TEST_F(MenueTest, ClearDeletesOnlyTheSelection) {
    haupt().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&haupt()));
    zoomFeld()->setFocus();
    zoomFeld()->setText(QStringLiteral("345"));
    zoomFeld()->setCursorPosition(0);
    waehle("EditClear");
    EXPECT_EQ(zoomFeld()->text(), "345") << "nothing selected, nothing deleted";
    zoomFeld()->setSelection(1, 1);
    waehle("EditClear");
    EXPECT_EQ(zoomFeld()->text(), "35");
    EXPECT_EQ(m().zoomfaktor, 35);
}

TEST_F(MenueTest, EditCommandsLeaveTheFieldAloneWithoutFocus) {
    haupt().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&haupt()));
    control<QWidget>("CBpunkte")->setFocus();
    ASSERT_FALSE(zoomFeld()->hasFocus());
    zoomFeld()->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("77"));
    for (const char* name : {"EditCut", "EditPaste", "EditClear", "EditUndo"}) {
        waehle(name);
    }
    EXPECT_EQ(zoomFeld()->text(), "10");
    EXPECT_EQ(m().zoomfaktor, 10);
}

} // namespace
} // namespace wyk::test
