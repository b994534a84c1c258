#include "app/deutsch.h"
#include "app/wiinfo.h"
#include "app/winexport.h"
#include "appfixture.h"
#include "export/exporthelfer.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace wyk::test {
namespace {

using MenueTest = AppTest;

// Each menu, then its items in order: caption (none for a separator) and shortcut.
TEST_F(MenueTest, MenusHoldTheirItemsInOrder) {
    QStringList ist;
    for (const QAction* menu : app->menuBar().actions()) {
        ist << menu->text();
        for (const QAction* a : menu->menu()->actions()) {
            ist << a->text() + '|' + a->shortcut().toString();
        }
    }
    EXPECT_EQ(ist, (QStringList{"&File", "WYK laden ... |Ctrl+O", "Bild speichern ... |Ctrl+S",
                                "OFF exportieren...|Ctrl+E", "OFF+ exportieren...|Ctrl+H", "|",
                                "Über... |Ctrl+I", "|", "Quit|Ctrl+Q", "&Edit", "&Undo|Ctrl+Z", "|",
                                "Cu&t|Ctrl+X", "&Copy|Ctrl+C", "&Paste|Ctrl+V", "Clear|", "|",
                                "Select &All|Ctrl+A"}));
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
    // Commands, whether the field has the focus, then the field's text and the clipboard's.
    const std::tuple<const char*, bool, const char*> schritte[] = {
        {"EditSelectAll EditCut EditPaste EditClear", false, "10 345"},
        {"EditClear", true, "10 345"}, // nothing selected, nothing deleted
        {"EditSelectAll EditPaste", true, "345 345"},
        {"EditUndo", true, "10 345"},
        {"EditSelectAll EditCopy", true, "10 10"},
        {"EditCut", true, "1 10"},
        {"EditPaste", true, "110 10"},
        {"EditSelectAll EditClear", true, "1 10"}};
    for (const auto& [befehle, fokus, erwartet] : schritte) {
        (fokus ? static_cast<QWidget*>(feld) : control("CBpunkte"))->setFocus();
        for (const QString& befehl : QString::fromLatin1(befehle).split(' ')) {
            waehle(befehl.toLatin1().constData());
        }
        EXPECT_EQ(feld->text() + ' ' + QApplication::clipboard()->text(), erwartet) << befehle;
    }
}

TEST_F(MenueTest, AboutWindowShowsOnceWithLogoTitleVersionAndAuthors) {
    waehle("About");
    const QPointer<WIInfo> fenster = app->infoFenster();
    waehle("About");
    ASSERT_TRUE(fenster != nullptr && app->infoFenster() == fenster);
    EXPECT_EQ(std::tuple(fenster->windowTitle(), fenster->minimumSize(), fenster->maximumSize()),
              std::tuple("Info", QSize(238, 315), QSize(238, 315)));
    pruefeTeile(*fenster,
                {"PushButton1 85 275 69 20 OK default", "StaticText1 52 224 131 20 WYK-Viewer",
                 "StaticText2 52 248 134 20 Version 2.1", "ImageWell1 39 52 160 160",
                 "Canvas1 0 0 100 50"});
    // The authors' line ends at the right edge and reaches further left to show in full.
    auto* autoren = teil<QLabel>(fenster, "StaticText3");
    EXPECT_EQ(std::pair(autoren->text(), autoren->geometry().right()),
              std::pair(QStringLiteral("© 2026 WYK-Viewer-Team"), 237));
    EXPECT_LE(autoren->fontMetrics().horizontalAdvance(autoren->text()), autoren->width());
    klick(teil(fenster, "PushButton1"));
    EXPECT_EQ(app->infoFenster(), nullptr);
}

// "Abbruch", also by Return while it has the focus, closes the window without asking; "Export"
// writes what is ticked, then closes the window and resets the flags.
TEST_F(MenueTest, OffPlusWindowExportsWhatIsTickedOrClosesWithoutAsking) {
    waehle("FIoffhtml");
    const QPointer<WINexport> fenster = app->exportFenster();
    waehle("FIoffhtml");
    ASSERT_TRUE(fenster != nullptr && app->exportFenster() == fenster);
    EXPECT_EQ(std::tuple(fenster->windowTitle(), fenster->minimumSize(), fenster->maximumSize()),
              std::tuple("OFF+ Export", QSize(212, 128), QSize(212, 128)));
    pruefeTeile(*fenster,
                {"CBhtml 56 14 100 20 HTML-Datei aus", "CBjava 56 46 100 20 Java-Plugins aus",
                 "PushButton1 20 88 80 20 Export default", "PushButton2 112 88 80 20 Abbruch"});
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
    teil(fenster, "PushButton2")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(std::tuple(app->exportFenster(), dialogs->opened), std::tuple(nullptr, 0));
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
        waehle("FIoffhtml");
        ASSERT_NE(app->exportFenster(), nullptr);
        teil<QCheckBox>(app->exportFenster(), "CBhtml")->setChecked(html);
        teil<QCheckBox>(app->exportFenster(), "CBjava")->setChecked(java);
        klick(teil(app->exportFenster(), "PushButton1"));
        EXPECT_EQ(ziel.names(), dateien);
        EXPECT_FALSE(m().htmlsave || m().javasave || app->exportFenster() != nullptr);
    }
    ASSERT_EQ(meldungen.size(), 1) << "only the failure is reported";
    EXPECT_TRUE(meldungen[0].contains("haus.off")) << meldungen[0].toStdString();
}

// Qt's own texts are German like the program's, whatever the system's language.
TEST(Deutsch, QtsOwnTextsAreGerman) {
    deutschLaden(*qApp);
    const QDialogButtonBox knoepfe(QDialogButtonBox::Cancel);
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    EXPECT_EQ(QLocale().toString(2.5), "2,5");
}

} // namespace
} // namespace wyk::test
