#include "app/deutsch.h"
#include "app/wiinfo.h"
#include "app/windebug.h"
#include "app/winexport.h"
#include "appfixture.h"
#include "export/exporthelfer.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
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

// Each menu, then its items in order: name, caption (none for a separator), shortcut.
TEST_F(MenueTest, MenusHoldTheirItemsInOrder) {
    QStringList ist;
    for (const QAction* menu : app->menuBar().actions()) {
        ist << menu->text();
        for (const QAction* a : menu->menu()->actions()) {
            ist << a->objectName() + '|' + a->text() + '|' + a->shortcut().toString();
        }
    }
    EXPECT_EQ(ist, (QStringList{
                       "&File", "FIload|WYK laden ... |Ctrl+O", "FIsave|Bild speichern ... |Ctrl+S",
                       "FIoff|OFF exportieren...|Ctrl+E", "FIoffhtml|OFF+ exportieren...|Ctrl+H",
                       "UntitledItem||", "About|Über... |Ctrl+I", "UntitledItem||",
                       "FileQuit|Quit|Ctrl+Q", "&Edit", "EditUndo|&Undo|Ctrl+Z", "UntitledMenu1||",
                       "EditCut|Cu&t|Ctrl+X", "EditCopy|&Copy|Ctrl+C", "EditPaste|&Paste|Ctrl+V",
                       "EditClear|Clear|", "UntitledMenu0||", "EditSelectAll|Select &All|Ctrl+A"}));
}

// The open dialog lists model files first and starts in the loaded model's folder, also for
// a model named on the command line; save dialogs propose their names where the user was last.
// "OFF exportieren" writes the OFF file alone, and a failed save is reported.
TEST_F(MenueTest, DialogsStartInTheFolderUsedLast) {
    TempDir ziel;
    app->modellLaden(beispiel("haus.wyk"));
    m().htmlsave = m().javasave = true;
    dialogs->answers << ziel.path("x.png") << QString() << ziel.path("haus.off") << QString()
                     << ziel.path("fehlt/y.png");
    QStringList orte;
    for (const char* befehl : {"FIsave", "FIsave", "FIoff", "FIload", "FIsave"}) {
        waehle(befehl);
        orte << dialogs->angebote.back().ort;
    }
    EXPECT_EQ(orte, (QStringList{beispiel("bild"), ziel.path("bild"), ziel.path("haus.off"),
                                 QStringLiteral(WYK_EXAMPLES_DIR), ziel.path("bild")}));
    EXPECT_EQ(dialogs->angebote[3].filter,
              (QStringList{"WYK-Modelle (*.wyk)", "Alle Dateien (*)"}));
    EXPECT_EQ(ziel.names(), (QStringList{"haus.off", "x.png"}));
    ASSERT_EQ(meldungen.size(), 1) << "cancelled dialogs say nothing";
    EXPECT_TRUE(meldungen[0].contains("y.png")) << meldungen[0].toStdString();
}

TEST_F(MenueTest, EditCommandsActOnTheZoomFieldOnlyWhenItHasTheFocus) {
    haupt().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&haupt()));
    auto* feld = control<QLineEdit>("EFzoom");
    QApplication::clipboard()->setText("345");
    // Commands, whether the field has the focus, then the field's text, the clipboard's and
    // the zoom.
    const std::tuple<const char*, bool, const char*> schritte[] = {
        {"EditSelectAll EditCut EditPaste EditClear", false, "10 345 10"},
        {"EditClear", true, "10 345 10"}, // nothing selected, nothing deleted
        {"EditSelectAll EditPaste", true, "345 345 345"},
        {"EditUndo", true, "10 345 10"},
        {"EditSelectAll EditCopy", true, "10 10 10"},
        {"EditCut", true, "1 10 1"},
        {"EditPaste", true, "110 10 110"},
        {"EditSelectAll EditClear", true, "1 10 1"}};
    for (const auto& [befehle, fokus, erwartet] : schritte) {
        (fokus ? static_cast<QWidget*>(feld) : control("CBpunkte"))->setFocus();
        for (const QString& befehl : QString::fromLatin1(befehle).split(' ')) {
            waehle(befehl.toLatin1().constData());
        }
        EXPECT_EQ(QStringLiteral("%1 %2 %3")
                      .arg(feld->text(), QApplication::clipboard()->text())
                      .arg(m().zoomfaktor),
                  erwartet)
            << befehle;
    }
}

TEST_F(MenueTest, AboutWindowShowsOnceWithLogoTitleVersionAndAuthors) {
    waehle("About");
    waehle("About");
    EXPECT_EQ(fensterAnzahl<WIInfo>(), 1);
    WIInfo* fenster = app->infoFenster();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(std::tuple(fenster->windowTitle(), fenster->minimumSize(), fenster->maximumSize(),
                         fenster->palette().color(QPalette::Window)),
              std::tuple("Info", QSize(238, 315), QSize(238, 315), QColor(Qt::white)));
    pruefeTeile(*fenster,
                {"PushButton1 85 275 69 20 OK default", "StaticText1 52 224 131 20 WYK-Viewer",
                 "StaticText2 52 248 134 20 Version 2.1", "ImageWell1 39 52 160 160",
                 "Canvas1 0 0 100 50"});
    // The authors' line ends at the right edge and reaches further left to show in full.
    auto* autoren = teil<QLabel>(fenster, QStringLiteral("StaticText3"));
    EXPECT_EQ(std::pair(autoren->text(), autoren->geometry().right()),
              std::pair(QStringLiteral("© 2026 WYK-Viewer-Team"), 237));
    EXPECT_LE(autoren->fontMetrics().horizontalAdvance(autoren->text()), autoren->width());
    for (const auto& [name, ressource] : {std::pair{"ImageWell1", 168}, {"Canvas1", 169}}) {
        const QImage erwartet = m().ressourcen.picture(ressource);
        const QImage bild = teil<QLabel>(fenster, name)->pixmap().toImage();
        EXPECT_TRUE(!erwartet.isNull() && bild.convertToFormat(erwartet.format()) == erwartet);
    }
    klick(teil(fenster, QStringLiteral("PushButton1")));
    EXPECT_EQ(app->infoFenster(), nullptr);
}

class ExportfensterTest : public AppTest {
protected:
    QWidget* oeffnen() {
        waehle("FIoffhtml");
        return app->exportFenster();
    }
    QCheckBox* box(const char* name) const {
        return teil<QCheckBox>(app->exportFenster(), QString::fromLatin1(name));
    }
};

// "Abbruch", also by Return while it has the focus, closes the window without asking.
TEST_F(ExportfensterTest, OffPlusOpensOneWindowThatAbbruchClosesWithoutAsking) {
    QWidget* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(oeffnen(), fenster);
    EXPECT_EQ(fensterAnzahl<WINexport>(), 1);
    EXPECT_EQ(std::tuple(fenster->windowTitle(), fenster->minimumSize(), fenster->maximumSize()),
              std::tuple("OFF+ Export", QSize(212, 128), QSize(212, 128)));
    pruefeTeile(*fenster,
                {"CBhtml 56 14 100 20 HTML-Datei aus", "CBjava 56 46 100 20 Java-Plugins aus",
                 "PushButton1 20 88 80 20 Export default", "PushButton2 112 88 80 20 Abbruch"});
    box("CBhtml")->setChecked(true);
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
    QWidget* abbruch = teil(fenster, QStringLiteral("PushButton2"));
    abbruch->setFocus();
    QTest::keyClick(abbruch, Qt::Key_Return);
    EXPECT_EQ(app->exportFenster(), nullptr);
    ASSERT_NE(oeffnen(), nullptr);
    EXPECT_FALSE(box("CBhtml")->isChecked()) << "a new window starts unticked";
    klick(teil(app->exportFenster(), QStringLiteral("PushButton2")));
    EXPECT_EQ(std::tuple(app->exportFenster(), dialogs->opened), std::tuple(nullptr, 0));
}

TEST_F(ExportfensterTest, ExportWritesWhatIsTickedThenClosesAndResetsTheFlags) {
    // The boxes ticked, the dialog's answer (none: cancelled) and the files written.
    const std::tuple<bool, bool, const char*, QStringList> faelle[] = {
        {true, false, "haus.off", {"haus.htm", "haus.off"}},
        {false, true, "haus.off", kKlassen + QStringList{"haus.off"}},
        {true, true, nullptr, {}},
        {true, false, "fehlt/haus.off", {}}};
    lade(beispiel("haus.wyk"));
    for (const auto& [html, java, antwort, dateien] : faelle) {
        TempDir ziel;
        dialogs->answers << (antwort ? ziel.path(antwort) : QString());
        ASSERT_NE(oeffnen(), nullptr);
        box("CBhtml")->setChecked(html);
        box("CBjava")->setChecked(java);
        klick(teil(app->exportFenster(), QStringLiteral("PushButton1")));
        EXPECT_EQ(ziel.names(), dateien);
        EXPECT_FALSE(m().htmlsave || m().javasave || app->exportFenster() != nullptr);
    }
    ASSERT_EQ(meldungen.size(), 1) << "only the failure is reported";
    EXPECT_TRUE(meldungen[0].contains("haus.off")) << meldungen[0].toStdString();
}

// Runs the event loop as the program does, does what is asked once the loop runs and gives
// the loop's exit code; 7 when the program still ran 100 ms later.
TEST(Beenden, QuitEndsWithExitCodeZeroButClosingOtherWindowsDoesNot) {
    const std::pair<int, void (*)(App&)> faelle[] = {{0,
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
        QTimer::singleShot(100, &app, [] { QCoreApplication::exit(7); });
        QTimer::singleShot(0, &app, [&app, beenden] { beenden(app); });
        EXPECT_EQ(QApplication::exec(), code);
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
}

} // namespace
} // namespace wyk::test
