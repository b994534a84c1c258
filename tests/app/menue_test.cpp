#include "app/modellwaechter.h"
#include "app/wiinfo.h"
#include "app/windebug.h"
#include "app/winexport.h"
#include "appfixture.h"
#include "export/exporthelfer.h"
#include "platform/dateiname.h"
#include "platform/deutsch.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace wyk::test {
namespace {

namespace fs = std::filesystem;

// Each menu, then its items as caption|shortcut; F10 opens the first menu.
TEST_F(AppTest, MenusHoldTheirItemsInOrder) {
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
    aktivieren(&haupt());
    QTest::keyClick(zoomFeld(), Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), app->menuBar().actions()[0]->menu()) << "F10";
}

// Each dialog starts where the user was last; "OFF exportieren" writes the OFF file alone.
TEST_F(AppTest, DialogsStartInTheFolderUsedLast) {
    TempDir ziel;
    app->modellLaden(kHaus);
    m().htmlsave = m().javasave = true;
    dialogs->answers << ziel.path("x.png") << QString() << ziel.path("haus.off");
    QStringList orte;
    for (const char* befehl : {"FIsave", "FIsave", "FIoff", "FIload"}) {
        waehle(befehl);
        orte << dialogs->angebote.back().ort;
    }
    EXPECT_EQ(orte, (QStringList{WYK_EXAMPLES_DIR "/bild", ziel.path("bild"), ziel.path("haus.off"),
                                 WYK_EXAMPLES_DIR}));
    EXPECT_EQ(dialogs->angebote[3].filter,
              (QStringList{"WYK-Modelle (*.wyk)", "Alle Dateien (*)"}));
    EXPECT_EQ(ziel.names(), (QStringList{"haus.off", "x.png"}));
}

TEST_F(AppTest, EditCommandsActOnTheZoomFieldWhenFocused) {
    aktivieren(&haupt());
    QApplication::clipboard()->setText("345");
    zoomFeld()->home(false); // a Clear without a selection then would delete the "1"
    // Edit commands, whether the field has the focus, then the field's text and the clipboard's.
    const std::tuple<QStringList, bool, const char*, const char*> schritte[] = {
        {{"SelectAll", "Cut", "Paste", "Clear"}, false, "10", "345"},
        {{"Clear"}, true, "10", "345"}, // nothing selected, nothing deleted
        {{"SelectAll", "Paste"}, true, "345", "345"},
        {{"Undo"}, true, "10", "345"},
        {{"SelectAll", "Copy"}, true, "10", "10"},
        {{"Cut"}, true, "1", "10"},
        {{"Paste"}, true, "110", "10"},
        {{"SelectAll", "Clear"}, true, "1", "10"}};
    for (const auto& [befehle, fokus, feld, ablage] : schritte) {
        SCOPED_TRACE(befehle.join(' '));
        control(fokus ? "EFzoom" : "CBpunkte")->setFocus();
        for (const QString& befehl : befehle) {
            waehle("Edit" + befehl);
        }
        EXPECT_EQ(zoomFeld()->text(), feld);
        EXPECT_EQ(QApplication::clipboard()->text(), ablage);
    }
}

// A name as the system takes it: by its bytes.
fs::path systemName(const QString& name) {
    return bytesAusName(name).toStdString();
}

// Size, "Beim Laden einpassen" and model folder outlive the run, a size beyond the screen shrinks;
// a settings file that cannot be used is ignored.
TEST_F(AppTest, WindowSizeAndModelFolderAreRememberedAcrossRuns) {
    const QSize start = haupt().size();
    const QSize gross = start + QSize(200, 100);
    const auto neustart = [this, gross] {
        haupt().resize(gross);
        QTimer::singleShot(0, &haupt(), [this] { haupt().close(); });
        EXPECT_EQ(QApplication::exec(), 0);
        starte();
    };
    lade(kHaus);
    druecken("Beim Laden einpassen");
    neustart();
    EXPECT_TRUE(haupt().beimLadenEinpassen());
    waehle("FIload");
    EXPECT_EQ(haupt().size(), gross);
    EXPECT_EQ(dialogs->angebote.value(0).ort, WYK_EXAMPLES_DIR);
    konfiguration.write("wyk-viewer.conf", "[Fenster]\nGroesse=@Size(1500 880)\n");
    starte();
    EXPECT_TRUE(haupt().screen()->availableGeometry().contains(haupt().frameGeometry()));
    EXPECT_EQ(canvas()->size(), haupt().inhalt().size() - QSize(176, 35));
    const auto datei = systemName(konfiguration.path("wyk-viewer.conf"));
    const auto geraet = systemName(konfiguration.path("geraet"));
    // The kinds of the name and of what it leads to.
    const auto arten = [&datei] {
        return std::pair(fs::symlink_status(datei).type(), fs::status(datei).type());
    };
    // What stands in the file's place, then the size the run after the next starts with.
    const std::tuple<const char*, std::function<void()>, QSize> faelle[] = {
        {"damaged", [&] { std::ofstream(datei) << "[Fenster\nGroesse=@Size(9 x\n\xff"; }, gross},
        {"a folder", [&] { konfiguration.folder("wyk-viewer.conf"); }, start},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(datei.c_str(), 0600), 0); }, start},
        {"a link to a device",
         [&] {
             ASSERT_TRUE(::mknod(geraet.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 ||
                         ::mkfifo(geraet.c_str(), 0666) == 0);
             fs::create_symlink(geraet, datei);
         },
         start}};
    for (const auto& [name, anlegen, zweite] : faelle) {
        SCOPED_TRACE(name);
        fs::remove(datei);
        anlegen();
        const auto vorher = arten();
        starte();
        EXPECT_EQ(haupt().size(), start);
        neustart();
        EXPECT_EQ(haupt().size(), zweite);
        EXPECT_EQ(arten(), vorher);
    }
    EXPECT_EQ(meldungen, QStringList());
}

// About and OFF+ open once and close by their buttons and keys; "Export" writes what is ticked.
TEST_F(AppTest, AboutAndOffPlusShowOnceAndCloseOrExportWhatIsTicked) {
    waehle("About");
    waehle("FIoffhtml");
    const QPointer<WIInfo> info = app->infoFenster();
    const QPointer<WINexport> fenster = app->exportFenster();
    waehle("About");
    waehle("FIoffhtml");
    ASSERT_EQ(app->infoFenster(), info) << "a second About opens no second window";
    ASSERT_EQ(app->exportFenster(), fenster) << "a second OFF+ opens no second window";
    EXPECT_EQ(festeGroesse(info), QSize(238, 315));
    pruefeTeile(info, {{"PushButton1", {85, 275, 69, 20}, "OK", "default"},
                       {"StaticText1", {52, 224, 131, 20}, "WYK-Viewer"},
                       {"StaticText2", {52, 248, 134, 20}, "Version 2.1"},
                       {"ImageWell1", {39, 52, 160, 160}},
                       {"Canvas1", {0, 0, 100, 50}}});
    // The authors' line, aligned right, reaches further left to show in full.
    auto* autoren = teil<QLabel>(info, "StaticText3");
    EXPECT_EQ(autoren->text(), "© 2026 WYK-Viewer-Team");
    EXPECT_EQ(autoren->geometry().right(), 237);
    for (const Qt::Key taste : {Qt::Key_Space, Qt::Key_Escape, Qt::Key_Return}) { // Space: OK
        waehle("About");
        ASSERT_TRUE(QTest::qWaitForWindowActive(app->infoFenster()));
        QTest::keyClick(fokus(), taste);
        EXPECT_EQ(app->infoFenster(), nullptr) << taste;
    }
    EXPECT_EQ(festeGroesse(fenster), QSize(212, 128));
    pruefeTeile(fenster, {{"CBhtml", {56, 14, 100, 20}, "HTML-Datei", "aus"},
                          {"CBjava", {56, 46, 100, 20}, "Java-Plugins", "aus"},
                          {"PushButton1", {20, 88, 80, 20}, "Export", "default"},
                          {"PushButton2", {112, 88, 80, 20}, "Abbruch"}});
    aktivieren(fenster);
    teil(fenster, "PushButton2")->setFocus();
    QTest::keyClick(fokus(), Qt::Key_Return);
    EXPECT_EQ(app->exportFenster(), nullptr);
    EXPECT_EQ(dialogs->opened, 0);
    // The boxes ticked, the dialog's answer (none: cancelled) and the files written.
    const std::tuple<const char*, bool, bool, const char*, QStringList> faelle[] = {
        {"HTML", true, false, "haus.off", {"haus.htm", "haus.off"}},
        {"Java", false, true, "haus.off", kKlassen + QStringList{"haus.off"}},
        {"cancelled", true, true, nullptr, {}},
        {"into a missing folder", true, false, "fehlt/haus.off", {}}};
    lade(kHaus);
    for (const auto& [name, html, java, antwort, dateien] : faelle) {
        SCOPED_TRACE(name);
        TempDir ziel;
        dialogs->answers << (antwort ? ziel.path(antwort) : QString());
        waehle("FIoffhtml");
        WINexport* offPlus = app->exportFenster();
        ASSERT_NE(offPlus, nullptr);
        teil<QCheckBox>(offPlus, "CBhtml")->setChecked(html);
        teil<QCheckBox>(offPlus, "CBjava")->setChecked(java);
        klick(teil(offPlus, "PushButton1"));
        EXPECT_EQ(ziel.names(), dateien);
        EXPECT_FALSE(m().htmlsave || m().javasave) << "the flags reset";
        EXPECT_EQ(app->exportFenster(), nullptr);
    }
    ASSERT_EQ(meldungen.size(), 1) << "only the failure is reported";
    EXPECT_TRUE(meldungen[0].contains("fehlt/haus.off")) << meldungen[0];
}

// Qt's own texts are German like the program's, whatever the system's language.
TEST(Deutsch, QtsOwnTextsAreGerman) {
    deutschLaden(*qApp);
    const QDialogButtonBox knoepfe(QDialogButtonBox::Cancel);
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    EXPECT_EQ(QLocale().toString(2.5), "2,5");
}

// n points and n pen moves.
QByteArray modell(int n) {
    const QByteArray anzahl = QByteArray::number(n) + '\n';
    return anzahl + QByteArray("1 2 3\n").repeated(n) + anzahl + QByteArray("1 9\n").repeated(n);
}

// How editors save: in place, by renaming a new file over it, by deleting and creating it, and
// in five writes that take longer than a save's quiet time.
void anOrt(const QString& path, const QByteArray& text) {
    std::ofstream(systemName(path), std::ios::binary) << text.toStdString();
}
void umbenennen(const QString& path, const QByteArray& text) {
    anOrt(path + ".neu", text);
    fs::rename(systemName(path + ".neu"), systemName(path));
}
void neuAnlegen(const QString& path, const QByteArray& text) {
    fs::remove(systemName(path));
    QTest::qWait(ModellWaechter::kRuhe * 3 / 2); // gone for longer than a save's quiet time
    anOrt(path, text);
}
void stueckweise(const QString& path, const QByteArray& text) {
    std::ofstream datei(systemName(path), std::ios::binary);
    for (qsizetype i = 0; i < text.size(); i += text.size() / 5 + 1) {
        datei << text.mid(i, text.size() / 5 + 1).toStdString() << std::flush;
        QTest::qWait(ModellWaechter::kRuhe / 3);
    }
}
// Points the name at ziel by a new link renamed over it.
void verweisen(const QString& path, const QString& ziel) {
    fs::create_symlink(systemName(ziel), systemName(path + ".neu"));
    fs::rename(systemName(path + ".neu"), systemName(path));
}

// The reload tests, which app_tests.reload runs alone.
using NachladenTest = AppTest;

// Each save of the followed name loads once, wherever its links lead, and keeps the view; a refused
// one is told once, a half one waits. Exports to the model's name are refused.
TEST_F(NachladenTest, EachSaveOfTheFollowedNameLoadsOnceAndTheViewStays) {
    // The models followed lie in a folder whose name is no UTF-8.
    const TempDir dir;
    const QByteArray ordner = QFile::encodeName(dir.path("o")) + "\377/";
    ASSERT_TRUE(fs::create_directory(ordner.toStdString()));
    const auto datei = [&ordner](const char* name) { return nameAusBytes(ordner + name); };
    const QString alt = datei("alt.wyk"), path = datei("n\377.wyk");
    const QString a = datei("a.wyk"), b = datei("b.wyk");
    for (const auto& [name, n] : {std::pair(alt, 1), {path, 2}, {a, 2}, {b, 3}}) {
        anOrt(name, modell(n));
    }
    lade(alt);
    lade(path);
    klick(control("CBpunkte"));
    klick(control("RBdrag1"));
    m().rotwinkel = {0, 1.5, 0, -2.5};
    std::tie(m().origx, m().zoomfaktor) = std::pair(90, 4);
    const auto ansicht = [this] { return std::tuple(m().rotwinkel, m().origx, m().zoomfaktor); };
    const auto vorher = ansicht();
    klick(control("PushButton3"));
    const QPointer<WINdebug> fenster = app->debugFenster();
    std::tie(m().debugpkt, m().debuglinie) = std::pair(3, 1);
    auto* waechter = app->findChild<ModellWaechter*>();
    waechter->geduldSetzen(2 * ModellWaechter::kRuhe);
    QSignalSpy geladen(waechter, &ModellWaechter::geaendert);
    QSignalSpy vorbei(waechter, &ModellWaechter::geduldVorbei);
    const QByteArray halb = modell(5).left(8); // "5", then one of five points
    const auto zuerstAlt = [&] {
        anOrt(alt, modell(7)); // no longer followed
        anOrt(path, modell(3));
    };
    // A step of the user's editor, then the points shown after it and the messages so far.
    const std::tuple<const char*, std::function<void()>, int, qsizetype> schritte[] = {
        {"in place, the file followed before too", zuerstAlt, 3, 0},
        {"renamed over", [&] { umbenennen(path, modell(4)); }, 4, 0},
        {"refused", [&] { anOrt(path, "5000\n"); }, 4, 1},
        {"refused again", [&] { anOrt(path, "5000\n"); }, 4, 1},
        {"refused, renamed over", [&] { umbenennen(path, "5000\n"); }, 4, 1},
        {"deleted and created anew", [&] { neuAnlegen(path, modell(3)); }, 3, 1},
        {"refused after a good one", [&] { anOrt(path, "5000\n"); }, 3, 2},
        {"in five writes", [&] { stueckweise(path, modell(4)); }, 4, 2},
        {"a link to another file", [&] { verweisen(path, b); }, 3, 2},
        {"a link to a device", [&] { verweisen(path, "/dev/zero"); }, 3, 3},
        {"a link back to a file", [&] { verweisen(path, a); }, 2, 3},
        {"the link's target half saved", [&] { anOrt(a, halb); }, 2, 3},
        {"the link's target in full", [&] { anOrt(a, modell(4)); }, 4, 3},
        {"renamed over the link's target", [&] { umbenennen(a, modell(3)); }, 3, 3},
        {"the link replaced by half a file", [&] { umbenennen(path, halb); }, 3, 3}};
    const auto inhalt = [&path] {
        std::ifstream gelesen(systemName(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(gelesen), {});
    };
    int saves = 0;
    for (const auto& [name, speichere, anzpkt, gemeldet] : schritte) {
        SCOPED_TRACE(name);
        speichere();
        ASSERT_TRUE(geladen.wait(1000)) << "no reload";
        EXPECT_EQ(geladen.count(), ++saves) << "each save loads once";
        EXPECT_EQ(m().anzpkt, anzpkt);
        EXPECT_EQ(meldungen.size(), gemeldet);
        if (fs::is_regular_file(systemName(path))) {
            const std::string gespeichert = inhalt();
            dialogs->answers << path << path;
            waehle("FIsave");
            waehle("FIoff");
            EXPECT_TRUE(inhalt() == gespeichert);
            EXPECT_EQ(meldungen.size(), gemeldet + 2);
            meldungen.resize(gemeldet);
        }
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return vorbei.count() == 1; })) << "the wait passes";
    EXPECT_EQ(m().anzpkt, 5) << "the half file taken as it is";
    EXPECT_EQ(geladen.count(), saves) << "a save loads again later";
    EXPECT_EQ(ansicht(), vorher);
    EXPECT_TRUE(control<QCheckBox>("CBpunkte")->isChecked());
    EXPECT_TRUE(control<QAbstractButton>("RBdrag1")->isChecked());
    ASSERT_EQ(app->debugFenster(), fenster);
    const auto* linien = teil<QTableView>(fenster, "LBlinien");
    EXPECT_EQ(linien->model()->rowCount(), 1);
    EXPECT_EQ(m().debugpkt, 0) << "point 3 was gone in between";
    EXPECT_EQ(linien->selectionModel()->selectedRows().value(0).row(), 0);
}

// A message box shows a file name holding markup as it is written.
TEST(Meldung, ShowsFileNamesAsPlainText) {
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&format] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        format = box->findChild<QLabel*>("qt_msgbox_label")->textFormat();
        box->accept();
    });
    warnungZeigen(nullptr, QStringLiteral("„<h1>a.wyk“"));
    EXPECT_EQ(format, Qt::PlainText);
}

} // namespace
} // namespace wyk::test
