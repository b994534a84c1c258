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
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace wyk::test {
namespace {

// Each menu, then its items in order: caption (none for a separator) and shortcut.
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
}

// The open dialog lists model files first and starts in the loaded model's folder, also for
// a model named on the command line; save dialogs propose their names where the user was last.
// "OFF exportieren" writes the OFF file alone.
TEST_F(AppTest, DialogsStartInTheFolderUsedLast) {
    TempDir ziel;
    app->modellLaden(WYK_EXAMPLES_DIR "/haus.wyk");
    m().htmlsave = m().javasave = true;
    dialogs->answers << ziel.path("x.png") << QString() << ziel.path("haus.off");
    QStringList orte;
    for (const char* befehl : {"FIsave", "FIsave", "FIoff", "FIload"}) {
        waehle(befehl);
        orte << dialogs->angebote.back().ort;
    }
    EXPECT_EQ(orte, (QStringList{WYK_EXAMPLES_DIR "/bild", ziel.path("bild"), ziel.path("haus.off"),
                                 QStringLiteral(WYK_EXAMPLES_DIR)}));
    EXPECT_EQ(dialogs->angebote[3].filter,
              (QStringList{"WYK-Modelle (*.wyk)", "Alle Dateien (*)"}));
    EXPECT_EQ(ziel.names(), (QStringList{"haus.off", "x.png"}));
}

TEST_F(AppTest, EditCommandsActOnTheZoomFieldOnlyWhenItHasTheFocus) {
    aktivieren(&haupt());
    auto* feld = control<QLineEdit>("EFzoom");
    QApplication::clipboard()->setText("345");
    feld->home(false); // a Clear without a selection then would delete the "1"
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

TEST_F(AppTest, AboutWindowShowsOnceWithLogoTitleVersionAndAuthors) {
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
    klick(teil(fenster, "PushButton1"));
    EXPECT_EQ(app->infoFenster(), nullptr);
    for (const Qt::Key taste : {Qt::Key_Escape, Qt::Key_Return}) {
        waehle("About");
        ASSERT_TRUE(QTest::qWaitForWindowActive(app->infoFenster()));
        QTest::keyClick(QApplication::focusWidget(), taste);
        EXPECT_EQ(app->infoFenster(), nullptr) << taste;
    }
}

// The window's size and the last model's folder are remembered from one run to the next; a
// settings file that is damaged or cannot be read or written is ignored without a word.
TEST_F(AppTest, WindowSizeAndModelFolderAreRememberedAcrossRuns) {
    const QSize menue = haupt().size() - haupt().inhalt().size();
    const QSize start = haupt().size();
    const auto neustart = [this](QSize groesse) {
        haupt().resize(groesse);
        QTimer::singleShot(0, &haupt(), [this] { haupt().close(); });
        EXPECT_EQ(QApplication::exec(), 0);
        starte();
    };
    lade(WYK_EXAMPLES_DIR "/haus.wyk");
    neustart(QSize(700, 520) + menue);
    waehle("FIload");
    EXPECT_EQ(std::pair(haupt().size(), dialogs->angebote.value(0).ort),
              std::pair(QSize(700, 520) + menue, QStringLiteral(WYK_EXAMPLES_DIR)));
    // The file made damaged or a folder, then the size at the start of the next two runs.
    const std::pair<QString, QSize> faelle[] = {{"[Fenster\nGroesse=@Size(9 x\n\xff", start},
                                                {"", start}};
    for (const auto& [inhalt, erste] : faelle) {
        QFile::remove(konfiguration.path("wyk-viewer.conf"));
        inhalt.isEmpty() ? konfiguration.folder("wyk-viewer.conf")
                         : konfiguration.write("wyk-viewer.conf", inhalt.toLatin1());
        starte();
        EXPECT_EQ(haupt().size(), erste);
        neustart(QSize(800, 600) + menue);
        EXPECT_EQ(haupt().size(), inhalt.isEmpty() ? start : QSize(800, 600) + menue);
    }
    EXPECT_TRUE(meldungen.isEmpty());
}

// "Abbruch", also by Return while it has the focus, closes the window without asking; "Export"
// writes what is ticked, then closes the window and resets the flags.
TEST_F(AppTest, OffPlusWindowExportsWhatIsTickedOrClosesWithoutAsking) {
    waehle("FIoffhtml");
    const QPointer<WINexport> fenster = app->exportFenster();
    waehle("FIoffhtml");
    ASSERT_TRUE(fenster != nullptr && app->exportFenster() == fenster);
    EXPECT_EQ(std::tuple(fenster->windowTitle(), fenster->minimumSize(), fenster->maximumSize()),
              std::tuple("OFF+ Export", QSize(212, 128), QSize(212, 128)));
    pruefeTeile(*fenster,
                {"CBhtml 56 14 100 20 HTML-Datei aus", "CBjava 56 46 100 20 Java-Plugins aus",
                 "PushButton1 20 88 80 20 Export default", "PushButton2 112 88 80 20 Abbruch"});
    aktivieren(fenster);
    teil(fenster, "PushButton2")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(std::tuple(app->exportFenster(), dialogs->opened), std::tuple(nullptr, 0));
    // The boxes ticked, the dialog's answer (none: cancelled) and the files written.
    const std::tuple<bool, bool, const char*, QStringList> faelle[] = {
        {true, false, "haus.off", {"haus.htm", "haus.off"}},
        {false, true, "haus.off", kKlassen + QStringList{"haus.off"}},
        {true, true, nullptr, {}},
        {true, false, "fehlt/haus.off", {}}};
    lade(WYK_EXAMPLES_DIR "/haus.wyk");
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
    EXPECT_TRUE(meldungen.size() == 1 && meldungen[0].contains("fehlt/haus.off"))
        << "only the failure is reported: " << meldungen.join('|').toStdString();
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

// How editors save: in place, renaming a new file over it, deleting and creating it anew.
void anOrt(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}
void umbenennen(const QString& path, const QByteArray& text) {
    anOrt(path + ".neu", text);
    std::filesystem::rename((path + ".neu").toStdString(), path.toStdString());
}
void neuAnlegen(const QString& path, const QByteArray& text) {
    ASSERT_TRUE(QFile::remove(path));
    QTest::qWait(ModellWaechter::kRuhe * 3 / 2); // gone for longer than a save's quiet time
    anOrt(path, text);
}
// In place, in five writes that together take longer than the pause that ends a save.
void stueckweise(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (qsizetype i = 0; i < text.size(); i += text.size() / 5 + 1) {
        file.write(text.mid(i, text.size() / 5 + 1));
        file.flush();
        QTest::qWait(ModellWaechter::kRuhe / 3);
    }
}

class NachladenTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        spy = std::make_unique<QSignalSpy>(app->findChild<ModellWaechter*>(),
                                           &ModellWaechter::geaendert);
    }
    TempDir dir;
    std::unique_ptr<QSignalSpy> spy;
};

TEST_F(NachladenTest, EachWayOfSavingLoadsOncePerSaveAndTheNewestFileIsFollowed) {
    const QString alt = lade(dir.write("alt.wyk", modell(1)));
    int art = 0;
    for (auto* speichern : {anOrt, umbenennen, neuAnlegen, stueckweise}) {
        const QString path = lade(dir.write(QStringLiteral("%1.wyk").arg(++art), modell(2)));
        anOrt(alt, modell(7)); // no longer followed
        spy->clear();
        for (const int n : {3, 4}) { // the second save finds the file still followed
            speichern(path, modell(n));
            ASSERT_TRUE(spy->wait(1000)) << art << ' ' << n;
            EXPECT_EQ(std::pair(m().anzpkt, m().datname), std::pair(n, QFileInfo(path).fileName()));
        }
        EXPECT_EQ(spy->count(), 2) << art;
    }
    EXPECT_FALSE(spy->wait(2 * ModellWaechter::kRuhe)) << "a save loads once, not again and again";
}

// A model whose folder and name are no UTF-8 is followed as any other, saved in place or renamed.
TEST_F(NachladenTest, NamesThatAreNoUtf8AreFollowed) {
    const QByteArray ordner = QFile::encodeName(dir.path("o")) + "\377";
    const QByteArray name = ordner + "/n\377.wyk";
    ASSERT_EQ(::mkdir(ordner.constData(), 0700), 0);
    std::ofstream(name.constData()) << modell(2).constData();
    lade(nameAusBytes(name));
    for (const int n : {3, 4}) {
        std::ofstream(name + (n == 4 ? ".neu" : "")) << modell(n).constData();
        if (n == 4) {
            ASSERT_EQ(std::rename(name + ".neu", name), 0);
        }
        ASSERT_TRUE(spy->wait(1000)) << "no reload after save " << n;
        EXPECT_EQ(m().anzpkt, n);
    }
}

// A save the reader refuses is told once until a good one; the view and the debug window stay.
TEST_F(NachladenTest, ARefusedSaveIsToldOnceUntilAGoodOneAndTheViewStays) {
    const QString path = lade(dir.write("m.wyk", modell(3)));
    klick(control("CBpunkte"));
    klick(control("RBdrag1"));
    m().rotwinkel = {0, 1.5, 0, -2.5};
    std::tie(m().origx, m().zoomfaktor) = std::pair(90, 4);
    klick(control("PushButton3"));
    WINdebug* fenster = app->debugFenster();
    ASSERT_NE(fenster, nullptr);
    std::tie(m().debugpkt, m().debuglinie) = std::pair(3, 2);
    // Each save, then the points shown and the messages so far.
    const std::tuple<QByteArray, int, qsizetype> saves[] = {
        {"5000\n", 3, 1}, {"5000\n", 3, 1}, {modell(2), 2, 1}, {"5000\n", 2, 2}};
    for (const auto& [text, anzpkt, told] : saves) {
        anOrt(path, text);
        ASSERT_TRUE(spy->wait(1000));
        EXPECT_EQ(std::pair(m().anzpkt, meldungen.size()), std::pair(anzpkt, told)) << text.data();
    }
    EXPECT_EQ(std::tuple(m().rotwinkel, m().origx, m().origy, m().zoomfaktor,
                         control<QCheckBox>("CBpunkte")->isChecked(),
                         control<QAbstractButton>("RBdrag1")->isChecked()),
              std::tuple(std::array<double, 4>{0, 1.5, 0, -2.5}, 90, 200, 4, true, true));
    ASSERT_EQ(app->debugFenster(), fenster);
    const auto* linien = teil<QTableView>(fenster, "LBlinien");
    EXPECT_EQ(std::tuple(linien->model()->rowCount(), m().debugpkt, m().debuglinie,
                         linien->selectionModel()->selectedRows().value(0).row()),
              std::tuple(2, 0, 2, 1));
}

// The window follows the name: a link re-pointed (also to a device and back) or replaced by a
// file, saves to the link's target. A save in progress (the file ends before the lines its
// counts announce) keeps the model silently until the rest comes or the wait passes.
TEST_F(NachladenTest, TheNameIsFollowedWhereverItLeadsAndHalfSavesAreWaitedFor) {
    auto* waechter = app->findChild<ModellWaechter*>();
    waechter->geduldSetzen(2 * ModellWaechter::kRuhe);
    QSignalSpy vorbei(waechter, &ModellWaechter::geduldVorbei);
    const QString path = dir.path("m.wyk"), a = dir.write("a.wyk", modell(2));
    const auto zeigen = [path](const QString& ziel) {
        ASSERT_TRUE(QFile::link(ziel, path + ".neu"));
        std::filesystem::rename((path + ".neu").toStdString(), path.toStdString());
    };
    zeigen(a);
    lade(path);
    const QByteArray halb = modell(5).left(8); // "5", then one of five points
    const std::pair<std::function<void()>, int> schritte[] = {
        {[&] { zeigen(dir.write("b.wyk", modell(3))); }, 3},
        {[&] { zeigen("/dev/zero"); }, 3},
        {[&] { zeigen(a); }, 2},
        {[&] { anOrt(a, halb); }, 2},
        {[&] { anOrt(a, modell(4)); }, 4},
        {[&] { umbenennen(a, modell(3)); }, 3},
        {[&] { umbenennen(path, halb); }, 3}};
    for (const auto& [schritt, anzpkt] : schritte) {
        schritt();
        ASSERT_TRUE(spy->wait(1000)) << anzpkt;
        EXPECT_EQ(m().anzpkt, anzpkt);
    }
    ASSERT_TRUE(vorbei.wait());
    EXPECT_EQ(std::tuple(m().anzpkt, m().anzlin, vorbei.count(), meldungen.size()),
              std::tuple(5, 1, 1, 1)); // the one message: /dev/zero is no model file
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
