#include "app/deutsch.h"
#include "app/wiinfo.h"
#include "app/windebug.h"
#include "app/winexport.h"
#include "appfixture.h"
#include "export/exporthelfer.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace wyk::test {
namespace {

using MenueTest = AppTest;

// Each item of a menu in order: name, caption (none for a separator), shortcut.
QStringList eintraege(const QAction* menu) {
    QStringList list;
    for (const QAction* a : menu->menu()->actions()) {
        EXPECT_TRUE(a->isEnabled() && a->isSeparator() == a->text().isEmpty());
        list << a->objectName() + '|' + a->text() + '|' + a->shortcut().toString();
    }
    return list;
}

TEST_F(MenueTest, MenusHoldTheirItemsInOrderAndReachEveryWindow) {
    const QList<QAction*> menues = app->menuBar().actions();
    ASSERT_EQ(menues.size(), 2);
    EXPECT_EQ(menues[0]->text() + menues[1]->text(), "&File&Edit");
    EXPECT_EQ(eintraege(menues[0]),
              (QStringList{"FIload|WYK laden ... |Ctrl+O", "FIsave|Bild speichern ... |Ctrl+S",
                           "FIoff|OFF exportieren...|Ctrl+E",
                           "FIoffhtml|OFF+ exportieren...|Ctrl+H", "UntitledItem||",
                           "About|Über... |Ctrl+I", "UntitledItem||", "FileQuit|Quit|Ctrl+Q"}));
    EXPECT_EQ(eintraege(menues[1]),
              (QStringList{"EditUndo|&Undo|Ctrl+Z", "UntitledMenu1||", "EditCut|Cu&t|Ctrl+X",
                           "EditCopy|&Copy|Ctrl+C", "EditPaste|&Paste|Ctrl+V", "EditClear|Clear|",
                           "UntitledMenu0||", "EditSelectAll|Select &All|Ctrl+A"}));
    const QList<QAction*> datei = menues[0]->menu()->actions();
    for (const QAction* a : datei) {
        EXPECT_EQ(a->shortcutContext(), Qt::ApplicationShortcut);
    }
    EXPECT_EQ(std::pair(datei[5]->menuRole(), datei[7]->menuRole()),
              std::pair(QAction::AboutRole, QAction::QuitRole));
}

TEST_F(MenueTest, OffExportWritesOnlyTheOffFileAndFailuresAreReported) {
    lade(beispiel("dreieck.wyk"));
    TempDir dir;
    m().htmlsave = m().javasave = true;
    dialogs->answers << dir.path("dreieck.off") << QString() << QString()
                     << dir.path("fehlt/3D.off") << dir.path("fehlt/bild.png");
    waehle("FIoff");
    EXPECT_EQ(dir.names(), QStringList{"dreieck.off"});
    EXPECT_TRUE(dir.read("dreieck.off").startsWith("OFF\r\n3 3 99\r\n"));
    EXPECT_FALSE(m().htmlsave || m().javasave);
    for (const char* befehl : {"FIoff", "FIsave", "FIoff", "FIsave"}) {
        waehle(befehl);
    }
    EXPECT_EQ(dialogs->proposed,
              (QStringList{"dreieck.off", "dreieck.off", "bild", "dreieck.off", "bild"}));
    ASSERT_EQ(meldungen.size(), 2) << "cancelled dialogs say nothing";
    EXPECT_TRUE(meldungen[0].contains("3D.off") && meldungen[1].contains("bild.png"))
        << meldungen.join('\n').toStdString();
}

// The open dialog lists model files first and starts in the loaded model's folder, also for
// a model named on the command line; save dialogs propose their names where the user was last.
TEST_F(MenueTest, DialogsStartInTheFolderUsedLast) {
    TempDir ziel;
    app->modellLaden(beispiel("haus.wyk"));
    dialogs->answers << ziel.path("x.png");
    for (const char* befehl : {"FIsave", "FIsave", "FIoff", "FIload"}) {
        waehle(befehl);
    }
    QStringList orte;
    for (const DialogAngebot& angebot : dialogs->angebote) {
        orte << angebot.ort;
    }
    EXPECT_EQ(orte, (QStringList{beispiel("bild"), ziel.path("bild"), ziel.path("haus.off"),
                                 QStringLiteral(WYK_EXAMPLES_DIR)}));
    EXPECT_EQ(dialogs->angebote.back().filter,
              (QStringList{"WYK-Modelle (*.wyk)", "Alle Dateien (*)"}));
}

TEST_F(MenueTest, EditCommandsActOnTheZoomFieldOnlyWhenItHasTheFocus) {
    haupt().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&haupt()));
    QLineEdit* feld = control<QLineEdit>("EFzoom");
    QApplication::clipboard()->setText("345");
    control("CBpunkte")->setFocus();
    feld->selectAll();
    for (const char* befehl : {"EditCut", "EditPaste", "EditClear", "EditUndo"}) {
        waehle(befehl);
    }
    EXPECT_EQ(feld->text(), "10");
    feld->setFocus();
    feld->home(false);
    // Each command, then the field's text and the clipboard's.
    const std::array<const char*, 3> schritte[] = {
        {"EditClear", "10", "345"}, // nothing selected, nothing deleted
        {"EditSelectAll", "10", "345"}, {"EditPaste", "345", "345"}, {"EditUndo", "10", "345"},
        {"EditSelectAll", "10", "345"}, {"EditCopy", "10", "10"},    {"EditCut", "1", "10"},
        {"EditSelectAll", "1", "10"},   {"EditClear", "1", "10"}};
    for (const auto& [befehl, text, ablage] : schritte) {
        waehle(befehl);
        EXPECT_EQ(feld->text() + ' ' + QApplication::clipboard()->text(),
                  QString::fromLatin1(text) + ' ' + ablage)
            << befehl;
        EXPECT_EQ(m().zoomfaktor, feld->text().toInt()) << befehl;
    }
}

TEST_F(MenueTest, AboutWindowShowsOnceWithLogoTitleVersionAndAuthors) {
    waehle("About");
    waehle("About");
    EXPECT_EQ(fensterAnzahl<WIInfo>(), 1);
    WIInfo* fenster = app->infoFenster();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->windowTitle(), "Info");
    EXPECT_EQ(fenster->size(), QSize(238, 315));
    EXPECT_EQ(fenster->minimumSize(), fenster->maximumSize());
    EXPECT_TRUE(fenster->autoFillBackground() &&
                fenster->palette().color(QPalette::Window) == Qt::white);
    pruefeTeile(*fenster,
                {"PushButton1 85 275 69 20 OK default", "StaticText1 52 224 131 20 WYK-Viewer",
                 "StaticText2 52 248 134 20 Version 2.1", "ImageWell1 39 52 160 160",
                 "Canvas1 0 0 100 50"});
    // The authors' line ends at the right edge and reaches further left to show in full.
    auto* autoren = teil<QLabel>(fenster, "StaticText3");
    EXPECT_EQ(autoren->text(), QString::fromUtf8("© 2026 WYK-Viewer-Team"));
    EXPECT_EQ(autoren->geometry().right(), 237);
    EXPECT_LE(autoren->fontMetrics().horizontalAdvance(autoren->text()), autoren->width());
    for (const auto& [name, ressource] : {std::pair{"ImageWell1", 168}, {"Canvas1", 169}}) {
        const QImage erwartet = m().ressourcen.picture(ressource);
        const QImage bild = teil<QLabel>(fenster, name)->pixmap().toImage();
        EXPECT_TRUE(!erwartet.isNull() && bild.convertToFormat(erwartet.format()) == erwartet);
    }
    klick(teil(fenster, "PushButton1"));
    EXPECT_EQ(app->infoFenster(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    waehle("About");
    EXPECT_EQ(fensterAnzahl<WIInfo>(), 1) << "a new one after closing";
}

class ExportfensterTest : public AppTest {
protected:
    QWidget* oeffnen() {
        waehle("FIoffhtml");
        return app->exportFenster();
    }
    QCheckBox* box(const char* name) const { return teil<QCheckBox>(app->exportFenster(), name); }
};

TEST_F(ExportfensterTest, OffPlusOpensOneWindowThatAbbruchClosesWithoutAsking) {
    QWidget* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(oeffnen(), fenster);
    EXPECT_EQ(fensterAnzahl<WINexport>(), 1);
    EXPECT_EQ(fenster->windowTitle(), "OFF+ Export");
    EXPECT_EQ(fenster->size(), QSize(212, 128));
    EXPECT_EQ(fenster->minimumSize(), fenster->maximumSize());
    pruefeTeile(*fenster,
                {"CBhtml 56 14 100 20 HTML-Datei aus", "CBjava 56 46 100 20 Java-Plugins aus",
                 "PushButton1 20 88 80 20 Export default", "PushButton2 112 88 80 20 Abbruch"});
    box("CBhtml")->setChecked(true);
    klick(teil(fenster, "PushButton2"));
    EXPECT_EQ(app->exportFenster(), nullptr);
    ASSERT_NE(oeffnen(), nullptr);
    EXPECT_FALSE(box("CBhtml")->isChecked()) << "a new window starts unticked";
    EXPECT_EQ(dialogs->opened, 0) << "nothing is asked or written before Export";
}

TEST_F(ExportfensterTest, ReturnPressesTheFocusedButton) {
    QWidget* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
    QWidget* abbruch = teil(fenster, "PushButton2");
    abbruch->setFocus();
    QTest::keyClick(abbruch, Qt::Key_Return);
    EXPECT_EQ(app->exportFenster(), nullptr);
    EXPECT_EQ(dialogs->opened, 0) << "no export started";
}

TEST_F(ExportfensterTest, ExportWritesWhatIsTickedThenClosesAndResetsTheFlags) {
    struct Fall {
        bool html, java;
        const char* antwort; // nullptr: the dialog is cancelled
        QStringList dateien;
    };
    const Fall faelle[] = {{true, false, "haus.off", {"haus.htm", "haus.off"}},
                           {false, true, "haus.off", kKlassen + QStringList{"haus.off"}},
                           {true, true, nullptr, {}},
                           {true, false, "fehlt/haus.off", {}}};
    lade(beispiel("haus.wyk"));
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(::testing::Message() << fall.html << fall.java << (fall.antwort != nullptr));
        TempDir ziel;
        dialogs->answers << (fall.antwort ? ziel.path(fall.antwort) : QString());
        ASSERT_NE(oeffnen(), nullptr);
        box("CBhtml")->setChecked(fall.html);
        box("CBjava")->setChecked(fall.java);
        klick(teil(app->exportFenster(), "PushButton1"));
        EXPECT_EQ(ziel.names(), fall.dateien);
        EXPECT_FALSE(m().htmlsave || m().javasave);
        EXPECT_EQ(app->exportFenster(), nullptr);
    }
    ASSERT_EQ(meldungen.size(), 1) << "only the failure is reported";
    EXPECT_TRUE(meldungen[0].contains("haus.off")) << meldungen[0].toStdString();
}

// Runs the event loop as the program does, does what is asked once the loop runs and gives
// the loop's exit code; 7 when the program still ran 100 ms later.
int laufenLassen(App& app, void (*aktion)(App&)) {
    QTimer halt;
    QObject::connect(&halt, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    halt.start(100);
    QTimer::singleShot(0, [&app, aktion] { aktion(app); });
    return QApplication::exec();
}

TEST(Beenden, QuitAndClosingTheMainWindowEndWithExitCodeZeroButNotOtherWindows) {
    const std::pair<int, void (*)(App&)> faelle[] = {
        {0, [](App& app) { app.haupt().close(); }},
        {0,
         [](App& app) {
             app.debugZeigen();
             app.About_Action();
             app.menuBar().FileQuit->trigger();
         }},
        {7, [](App& app) {
             app.debugZeigen();
             app.debugFenster()->close();
             app.About_Action();
             app.infoFenster()->close();
         }}};
    for (const auto& [code, beenden] : faelle) {
        App app(std::make_unique<ScriptedDialogs>(), nullptr);
        QSignalSpy endet(qApp, &QCoreApplication::aboutToQuit);
        EXPECT_EQ(laufenLassen(app, beenden), code);
        EXPECT_EQ(endet.count(), 1);
        EXPECT_EQ(app.haupt().isVisible(), code != 0);
    }
}

// Qt's own texts are German like the program's, whatever the system's language.
TEST(Deutsch, QtsOwnTextsAreGerman) {
    deutschLaden(*qApp);
    const QDialogButtonBox knoepfe(QDialogButtonBox::Cancel);
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    EXPECT_EQ(QLocale().toString(2.5), "2,5");
}

TEST(Meldung, FailedLoadShowsAWarningNamingTheFile) {
    App app(std::make_unique<ScriptedDialogs>());
    QString text;
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->icon() == QMessageBox::Warning ? box->text() : QStringLiteral("no warning");
        box->close();
    });
    app.modellLaden("/gibt/es/nicht.wyk");
    EXPECT_TRUE(text.contains("nicht.wyk") && text.contains("existiert nicht"))
        << text.toStdString();
    EXPECT_EQ(app.modul().datname, "3D");
}

} // namespace
} // namespace wyk::test
