#include "app/updownarrows.h"
#include "app/wiinfo.h"
#include "app/windebug.h"
#include "app/winexport.h"
#include "appfixture.h"
#include "cli/start.h"
#include "platform/numbers.h"
#include "support/tempdir.h"
#include "view/interaction.h"
#include "view/projection.h"

#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <climits>

namespace wyk::test {
namespace {

class HauptfensterTest : public AppTest {
protected:
    QWidget* canvas() const { return control("CAhaupt"); }
    QLineEdit* zoomFeld() const { return control<QLineEdit>("EFzoom"); }

    void maus(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, p, canvas()->mapToGlobal(p), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &event);
    }
    // Puts text into the zoom field as a paste over the whole content would.
    void einfuegen(const char* text) {
        zoomFeld()->selectAll();
        zoomFeld()->insert(QString::fromLatin1(text));
    }
    // "zoom factor, field text, redraws", then counts the redraws afresh.
    QString zoom() {
        const QString text = QStringLiteral("%1 %2 %3").arg(m().zoomfaktor).arg(zoomFeld()->text());
        return text.arg(std::exchange(redraws, 0));
    }
    QTableView* tabelle(const char* name) const {
        return teil<QTableView>(app->debugFenster(), name);
    }
    // The headings, then each row, cells separated by blanks.
    QStringList zeilen(const char* name) const {
        const QAbstractItemModel& daten = *tabelle(name)->model();
        QStringList zeilen;
        for (int row = -1; row < daten.rowCount(); ++row) {
            QStringList zellen;
            for (int i = 0; i < daten.columnCount(); ++i) {
                zellen << (row < 0 ? daten.headerData(i, Qt::Horizontal)
                                   : daten.index(row, i).data())
                              .toString();
            }
            zeilen << zellen.join(' ');
        }
        return zeilen;
    }
    // "debugpkt debuglinie redraws", then counts the redraws afresh.
    QString marken() {
        const QString text = QStringLiteral("%1 %2 %3").arg(m().debugpkt).arg(m().debuglinie);
        return text.arg(std::exchange(redraws, 0));
    }
    // Clicks a cell, then gives the marks.
    QString klicken(const char* name, int row, int column) {
        QTableView* view = tabelle(name);
        const QRect zelle = view->visualRect(view->model()->index(row, column));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, zelle.center());
        return marken();
    }
};

TEST_F(HauptfensterTest, FreshWindowShowsItsControlsAndTheCheckBoxesSwitchWhatIsDrawn) {
    EXPECT_EQ(haupt().windowTitle(), "WYK-Viewer");
    EXPECT_FALSE(haupt().windowIcon().isNull());
    pruefeTeile(haupt().inhalt(),
                {"GroupBox1 16 15 132 97 Anzeige", "CBpunkte 27 37 72 22 Punkte aus",
                 "CBlinien 27 56 72 22 Linien an", "CBachsen 27 85 114 22 Achsen an",
                 "GroupBox2 16 124 132 159 Ansicht", "PushButton1 49 246 68 20 reset",
                 "UPDzoom 121 153 13 23", "EFzoom 73 153 44 22 10",
                 "RBdrag0 25 188 100 20 rotieren an", "RBdrag1 25 214 100 20 verschieben aus",
                 "StaticText1 25 153 42 20 Zoom", "CAhaupt 156 15 400 400",
                 "PushButton2 29 304 109 20 WYK laden", "PushButton3 29 358 109 20 Debug"});
    klick(control("CBpunkte"));
    klick(control("CBachsen"));
    const Anzeige anzeige = m().anzeige;
    EXPECT_EQ(std::tuple(anzeige.punkte, anzeige.linien, anzeige.achsen, redraws),
              std::tuple(true, true, false, 2));
}

// A held arrow steps at once, again after 400 ms and then every 60 ms until it is let go.
TEST_F(HauptfensterTest, HeldZoomArrowRepeatsUntilReleased) {
    auto* pfeile = control<UpDownArrows>("UPDzoom");
    QSignalSpy schritte(pfeile, &UpDownArrows::up);
    QTest::mousePress(&pfeile->auf(), Qt::LeftButton, {}, QPoint(6, 5));
    EXPECT_TRUE(schritte.size() == 1 && !schritte.wait(300)) << "a repeat within 300 ms";
    ASSERT_TRUE(QTest::qWaitFor([&] { return schritte.size() == 4; }));
    QTest::mouseRelease(&pfeile->auf(), Qt::LeftButton, {}, QPoint(6, 5));
    EXPECT_TRUE(!schritte.wait(200) && m().zoomfaktor == 14) << "steps after the release";
}

TEST_F(HauptfensterTest, ResizeKeepsCanvasAndOriginInStepAtTheLimits) {
    const QSize menue = haupt().size() - haupt().inhalt().size();
    // The window's content asked for and given, then the canvas and the origin it gets.
    const std::tuple<QSize, QSize, QRect, QPoint> faelle[] = {
        {{776, 635}, {776, 635}, {156, 15, 600, 600}, {300, 300}},
        {{1601, 901}, {1600, 900}, {156, 15, 1424, 865}, {712, 432}},
        {{575, 434}, {576, 435}, {156, 15, 400, 400}, {200, 199}}};
    for (const auto& [gewuenscht, inhalt, zeichnung, origin] : faelle) {
        haupt().resize(gewuenscht + menue);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return haupt().inhalt().size() == inhalt && canvas()->geometry() == zeichnung;
        })) << gewuenscht.width();
        EXPECT_EQ(std::pair(QRect(QPoint(156, 15), QSize(m().breite, m().hoehe)),
                            QPoint(m().origx, m().origy)),
                  std::pair(zeichnung, origin));
    }
}

TEST_F(HauptfensterTest, DragsRotateOrShiftAndResetRestoresTheView) {
    // The mode, press, drag target, then the change of turn and tilt and the origin.
    const std::tuple<const char*, QPoint, QPoint, double, double, QPoint> faelle[] = {
        {"RBdrag0", {100, 100}, {200, 300}, 1.57, 3.14, {200, 200}},
        {"RBdrag1", {50, 60}, {60, 55}, 0.0, 0.0, {210, 195}}};
    lade(WYK_EXAMPLES_DIR "/haus.wyk");
    for (const auto& [modus, von, nach, drehung, neigung, origin] : faelle) {
        klick(control(modus));
        const auto [winkel, bild] = std::pair(m().rotwinkel, m().zebild.copy());
        redraws = 0;
        maus(QEvent::MouseButtonPress, von, Qt::LeftButton, Qt::LeftButton);
        maus(QEvent::MouseMove, nach, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(std::tuple(m().rotwinkel[3], m().rotwinkel[1], QPoint(m().origx, m().origy),
                             redraws, m().zebild == bild),
                  std::tuple(winkel[3] + drehung, winkel[1] + neigung, origin, 1, false));
    }
    for (const QRect teil : {QRect(0, 0, 400, 400), QRect(50, 60, 200, 150)}) { // whole, in part
        EXPECT_TRUE(canvas()->grab(teil).toImage().convertToFormat(QImage::Format_RGB32) ==
                    m().zebild.copy(teil).convertToFormat(QImage::Format_RGB32));
    }
    maus(QEvent::MouseButtonPress, {10, 10}, Qt::RightButton, Qt::RightButton); // no drag
    maus(QEvent::MouseMove, {90, 80}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(QPoint(m().origx, m().origy), QPoint(240, 220)) << "shifted from the left press";
    einfuegen("17");
    redraws = 0;
    klick(control("PushButton1"));
    EXPECT_EQ(std::tuple(m().rotwinkel[1], m().rotwinkel[3], m().origx, m().origy, zoom()),
              std::tuple(0.3925, -0.785, 200, 200, "17 17 1"));
}

// Each step: "rad" turns the wheel by an angle (a notch is 120, towards the user zooms out),
// "pfeil" clicks the upper or lower arrow, "feld" pastes over the zoom field's text.
TEST_F(HauptfensterTest, WheelArrowsAndZoomFieldChangeTheZoom) {
    const std::array<const char*, 3> schritte[] = {
        {"rad", "-360", "7 7 1"}, {"rad", "60", "7 7 0"},
        {"rad", "90", "8 8 1"},   {"rad", "-2400", "1 1 1"},
        {"pfeil", "18", "1 1 0"}, {"pfeil", "5", "2 2 1"},
        {"pfeil", "18", "1 1 1"}, {"feld", "25", "25 25 1"},
        {"feld", "0", "1 1 1"},   {"feld", "99999999999", "2147483647 99999999999 1"}};
    for (const auto& [was, wert, erwartet] : schritte) {
        if (was[0] == 'r') {
            QWheelEvent rad({50, 50}, canvas()->mapToGlobal(QPointF(50, 50)), {},
                            {0, std::atoi(wert)}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                            false);
            QCoreApplication::sendEvent(canvas(), &rad);
        } else if (was[0] == 'p') {
            const QPoint wo(6, std::atoi(wert));
            QWidget* pfeil = control("UPDzoom")->childAt(wo);
            QTest::mouseClick(pfeil, Qt::LeftButton, {}, wo - pfeil->pos());
        } else {
            einfuegen(wert);
        }
        EXPECT_EQ(zoom(), erwartet) << was << ' ' << wert;
    }
}

TEST_F(HauptfensterTest, DebugWindowShowsTheModelAndMarksTheClickedRowsUntilItCloses) {
    haupt().move(30, 70);
    lade(WYK_EXAMPLES_DIR "/dreieck.wyk");
    m().punkt[2][3] = 0.25;
    klick(control("PushButton3"));
    const QPointer<WINdebug> fenster = app->debugFenster();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(std::tuple(fenster->windowTitle(), fenster->pos(), fenster->minimumSize(),
                         fenster->maximumSize()),
              std::tuple("Debug", QPoint(600, 70), QSize(399, 435), QSize(399, 435)));
    pruefeTeile(*fenster, {"LBpunkte 20 38 197 377", "StaticText1 254 6 100 20 Linien",
                           "LBlinien 229 38 150 377", "StaticText2 53 6 100 20 Punkte"});
    EXPECT_EQ(zeilen("LBpunkte") + zeilen("LBlinien"),
              (QStringList{"Nr. x y z", "1 0 0 0", "2 10 0 0.25", "3 0 10 0", "Nr. Pkt. Farbe",
                           "1 1 0", "2 2 12", "3 3 10", "4 1 9"}));
    EXPECT_EQ(tabelle("LBpunkte")->model()->index(1, 3).data(Qt::ToolTipRole), "0.25");
    EXPECT_EQ(std::exchange(redraws, 0), 1) << "only the load redrew";
    EXPECT_EQ(klicken("LBpunkte", 2, 0), "3 0 1");
    EXPECT_EQ(klicken("LBlinien", 3, 2), "3 4 1");
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster)); // the menu's commands work from here too
    QTest::keyClick(tabelle("LBpunkte"), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(std::pair(dialogs->proposed, std::exchange(redraws, 0)),
              std::pair(QStringList{QStringLiteral("bild")}, 1));
    fenster->close();
    EXPECT_EQ(std::tuple(app->debugFenster(), m().debugpkt, m().debuglinie, redraws),
              std::tuple(nullptr, 0, 0, 1));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenster.isNull()) << "a closed window is destroyed";
    klick(control("PushButton3"));
    aktivieren(app->debugFenster());
    redraws = 0;
    // A table that took the focus by Tab, a key, then the marks.
    const std::tuple<const char*, Qt::Key, const char*> tasten[] = {
        {"LBpunkte", Qt::Key_Space, "1 0 1"},    {"LBpunkte", Qt::Key_End, "3 0 1"},
        {"LBpunkte", Qt::Key_Up, "2 0 1"},       {"LBpunkte", Qt::Key_PageDown, "3 0 1"},
        {"LBpunkte", Qt::Key_Home, "1 0 1"},     {"LBlinien", Qt::Key_Return, "1 1 1"},
        {"LBlinien", Qt::Key_PageDown, "1 4 1"}, {"LBlinien", Qt::Key_PageUp, "1 1 1"}};
    for (const auto& [name, taste, erwartet] : tasten) {
        tabelle(name)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(tabelle(name), taste);
        EXPECT_EQ(marken(), erwartet)
            << name << ' ' << QKeySequence(taste).toString().toStdString();
    }
    EXPECT_TRUE(klicken("LBpunkte", 2, 0).startsWith("3 1 "));
    for (const QKeySequence& taste :
         {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
        aktivieren(app->debugFenster());
        QTest::keySequence(QApplication::focusWidget(), taste);
        ASSERT_EQ(app->debugFenster(), nullptr) << taste.toString().toStdString();
        klick(control("PushButton3"));
    }
    lade(WYK_EXAMPLES_DIR "/haus.wyk");
    EXPECT_EQ(std::tuple(app->debugFenster(), m().debugpkt), std::tuple(nullptr, 0)) << "a load";
}

// The window by keyboard alone: Tab goes through the controls top to bottom, the drawing
// first; on the focused drawing each arrow key is a drag of 10 pixels as on the page, + and -
// are the zoom arrows, Home and 0 "reset"; in the zoom field the arrow keys step the zoom and
// the page keys step it by ten. A ring outside the drawing shows its focus.
TEST_F(HauptfensterTest, TheKeyboardDoesWhatTheMouseDoes) {
    aktivieren(&haupt());
    const auto umgebung = [this] { return haupt().inhalt().grab({150, 9, 412, 412}).toImage(); };
    control("CBpunkte")->setFocus(Qt::TabFocusReason);
    const QImage ohne = umgebung();
    canvas()->setFocus(Qt::TabFocusReason);
    const QImage mit = umgebung();
    EXPECT_TRUE(mit != ohne && mit.copy(6, 6, 400, 400) == ohne.copy(6, 6, 400, 400));
    QStringList reihe;
    for (int i = 0; i < 10; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab)) {
        reihe << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(reihe.join(' '), "CAhaupt CBpunkte CBlinien CBachsen EFzoom RBdrag0 PushButton1 "
                               "PushButton2 PushButton3 CAhaupt");
    // Where the key goes, the mode, the key, then the change of turn, tilt and origin, the
    // zoom factor, the field's text and the redraws.
    const std::tuple<QWidget*, const char*, int, Qt::KeyboardModifiers, const char*> schritte[] = {
        {canvas(), "RBdrag0", Qt::Key_Right, {}, "0.157 0.000 0 0 10 10 1"},
        {canvas(), "RBdrag0", Qt::Key_Up, Qt::ShiftModifier, "0.000 -0.157 0 0 10 10 1"},
        {canvas(), "RBdrag1", Qt::Key_Left, Qt::KeypadModifier, "0.000 0.000 -10 0 10 10 1"},
        {canvas(), "RBdrag1", Qt::Key_Down, {}, "0.000 0.000 0 10 10 10 1"},
        {canvas(), "RBdrag1", Qt::Key_Right, Qt::ControlModifier, "0.000 0.000 0 0 10 10 0"},
        {canvas(), "RBdrag1", Qt::Key_Plus, Qt::KeypadModifier, "0.000 0.000 0 0 11 11 1"},
        {canvas(), "RBdrag1", Qt::Key_Minus, {}, "0.000 0.000 0 0 10 10 1"},
        {zoomFeld(), "RBdrag1", Qt::Key_Up, {}, "0.000 0.000 0 0 11 11 1"},
        {zoomFeld(), "RBdrag1", Qt::Key_PageUp, {}, "0.000 0.000 0 0 21 21 1"},
        {zoomFeld(), "RBdrag1", Qt::Key_Down, {}, "0.000 0.000 0 0 20 20 1"},
        {zoomFeld(), "RBdrag1", Qt::Key_PageDown, {}, "0.000 0.000 0 0 10 10 1"},
        {zoomFeld(), "RBdrag1", Qt::Key_PageDown, {}, "0.000 0.000 0 0 1 1 1"},
        {zoomFeld(), "RBdrag1", Qt::Key_PageDown, {}, "0.000 0.000 0 0 1 1 0"}};
    for (const auto& [ziel, modus, taste, modifiers, erwartet] : schritte) {
        control<QRadioButton>(modus)->setChecked(true);
        const auto [winkel, x, y] = std::tuple(m().rotwinkel, m().origx, m().origy);
        redraws = 0;
        QTest::keyClick(ziel, Qt::Key(taste), modifiers);
        EXPECT_EQ(QString::asprintf("%.3f %.3f %d %d ", m().rotwinkel[3] - winkel[3],
                                    m().rotwinkel[1] - winkel[1], m().origx - x, m().origy - y) +
                      zoom(),
                  erwartet)
            << ziel->objectName().toStdString() << ' ' << modus << ' ' << taste;
    }
    for (const Qt::Key taste : {Qt::Key_Home, Qt::Key_0}) {
        m().rotwinkel[3] = 2;
        QTest::keyClick(canvas(), Qt::Key_Left);
        QTest::keyClick(canvas(), taste);
        EXPECT_EQ(std::tuple(m().rotwinkel[1], m().rotwinkel[3], m().origx, m().origy),
                  std::tuple(0.3925, -0.785, 200, 200));
    }
}

// What a screen reader reads, through Qt's accessibility interface: each part's role and name.
TEST_F(HauptfensterTest, ScreenReadersReadEachPartsRoleAndName) {
    lade(WYK_EXAMPLES_DIR "/haus.wyk");
    for (const char* befehl : {"About", "FIoffhtml"}) {
        waehle(befehl);
    }
    klick(control("PushButton3"));
    auto* pfeile = control<UpDownArrows>("UPDzoom");
    const auto z = &QAccessible::queryAccessibleInterface;
    QAccessibleInterface* datei = z(app->menuBar().actions().constFirst()->menu());
    const std::tuple<QAccessibleInterface*, QAccessible::Role, QString> teile[] = {
        {z(&haupt()), QAccessible::Window, "haus.wyk – WYK-Viewer"},
        {z(canvas()), QAccessible::Graphic,
         "Modell „haus.wyk“. Pfeiltasten drehen oder verschieben, Plus und Minus zoomen, Pos1 "
         "oder 0 stellt die Ansicht zurück, 1, 3 und 7 zeigen es von vorn, rechts und oben, mit "
         "Strg von der Gegenseite, F passt es ein."},
        {z(zoomFeld()), QAccessible::EditableText, "Zoom"},
        {z(&pfeile->auf()), QAccessible::Button, "Zoom größer"},
        {z(&pfeile->ab()), QAccessible::Button, "Zoom kleiner"},
        {datei->child(0), QAccessible::MenuItem, "WYK laden ..."},
        {datei->child(2), QAccessible::MenuItem, "OFF exportieren..."},
        {z(app->debugFenster()), QAccessible::Window, "Debug"},
        {z(tabelle("LBpunkte")), QAccessible::Table, "Punkte"},
        {z(tabelle("LBlinien")), QAccessible::Table, "Linien"},
        {z(app->infoFenster()), QAccessible::Dialog, "Info"},
        {z(app->exportFenster()), QAccessible::Dialog, "OFF+ Export"}};
    for (const auto& [zugang, rolle, name] : teile) {
        ASSERT_NE(zugang, nullptr) << name.toStdString();
        EXPECT_EQ(std::pair(zugang->role(), zugang->text(QAccessible::Name)),
                  std::pair(rolle, name));
    }
}

// A dropped model is taken as a copy, never as a move, after which the source would delete it.
TEST_F(HauptfensterTest, ADroppedFileIsCopiedNotMoved) {
    QMimeData daten;
    daten.setUrls({QUrl::fromLocalFile(WYK_EXAMPLES_DIR "/haus.wyk")});
    // What the source offers, then the action answered and the model shown.
    const std::tuple<Qt::DropActions, Qt::DropAction, const char*> faelle[] = {
        {Qt::MoveAction, Qt::IgnoreAction, "3D"},
        {Qt::CopyAction | Qt::MoveAction, Qt::CopyAction, "haus.wyk"}};
    for (const auto& [angebot, antwort, modell] : faelle) {
        QDragEnterEvent hinein({300, 200}, angebot, &daten, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&haupt(), &hinein);
        QDropEvent ablegen(QPointF(300, 200), angebot, &daten, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&haupt(), &ablegen);
        const auto ist = [](const QDropEvent& e) {
            return e.isAccepted() ? e.dropAction() : Qt::IgnoreAction;
        };
        EXPECT_EQ(std::tuple(ist(hinein), ist(ablegen), m().datname),
                  std::tuple(antwort, antwort, modell));
    }
}

// On each screen the canvas shows, device pixel for device pixel, the picture export of its
// view at the screen's ratio, and Copy puts exactly that on the clipboard, as an image and as
// PNG; a move to a screen of another ratio draws anew. app_tests.hidpi runs this under
// QT_SCALE_FACTOR=2 on screens of ratios 2 and 1.5 (WYK_DICHTEN).
TEST_F(HauptfensterTest, CanvasShowsThePictureExportAtEachScreensRatio) {
    const QString haus = lade(WYK_EXAMPLES_DIR "/haus.wyk");
    klick(control("CBpunkte"));
    aktivieren(&haupt());
    canvas()->setFocus();
    maus(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
    maus(QEvent::MouseMove, {130, 83}, Qt::NoButton, Qt::LeftButton);
    test::TempDir dir;
    QStringList dichten;
    for (QScreen* schirm : QGuiApplication::screens()) {
        haupt().windowHandle()->setScreen(schirm);
        const double r = canvas()->devicePixelRatioF();
        dichten << Str(r);
        ASSERT_TRUE(QTest::qWaitFor([&] { return m().dichte == r; })) << r;
        ASSERT_EQ(ohneFenster(planAus({"wyk-viewer", "--export-picture", dir.path("b.png"),
                                       "--points", "--turn", Str(m().rotwinkel[3]), "--tilt",
                                       Str(m().rotwinkel[1]), "--scale", Str(r), haus})),
                  0);
        const QImage bild = QImage(dir.path("b.png")).convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32) == bild)
            << "canvas at " << r;
        waehle("EditCopy");
        const QClipboard& ablage = *QApplication::clipboard();
        EXPECT_TRUE(ablage.image().convertToFormat(QImage::Format_RGB32) == bild)
            << "copy at " << r;
        EXPECT_TRUE(QImage::fromData(ablage.mimeData()->data("image/png"), "PNG")
                        .convertToFormat(QImage::Format_RGB32) == bild)
            << "copy as PNG at " << r;
    }
    EXPECT_EQ(dichten.join(' '), qEnvironmentVariable("WYK_DICHTEN", "1"));
}

// The edges of the Integer range, which the windows cannot reach: nothing overflows.
TEST(Interaction, NothingOverflowsAtTheEdgesOfTheIntegerRange) {
    Module1 m;
    ASSERT_TRUE(init(m).isDone());
    const auto winkel = m.rotwinkel;
    mausRunter(m, INT_MIN, INT_MAX);
    mausZiehen(m, INT_MAX, INT_MIN, true);
    const double weg = 4294967295.0 / 200 * 3.14;
    EXPECT_NEAR(m.rotwinkel[3] - winkel[3], weg, 1e-9 * weg);
    EXPECT_NEAR(m.rotwinkel[1] - winkel[1], -weg, 1e-9 * weg);
    // The zoom before, what changes it and the zoom after.
    const std::tuple<int, void (*)(Module1&), int> faelle[] = {
        {2, [](Module1& v) { mausRad(v, INT_MAX); }, 1},
        {5, [](Module1& v) { mausRad(v, INT_MIN); }, INT_MAX},
        {INT_MAX, [](Module1& v) { zoomRauf(v); }, INT_MAX},
        {10, [](Module1& v) { zoomText(v, QStringLiteral("1e400")); }, INT_MAX}};
    for (const auto& [zoom, aktion, neu] : faelle) {
        m.zoomfaktor = zoom;
        aktion(m);
        EXPECT_EQ(m.zoomfaktor, neu) << zoom;
    }
    groesseGeaendert(m, 575, 5000); // beyond the window's limits, as a window manager may allow
    zuruecksetzen(m);
    EXPECT_EQ(std::tuple(m.breite, m.hoehe, m.origx, m.origy), std::tuple(400, 865, 200, 432));
    std::tie(m.origx, m.origy) = std::pair(INT_MAX - 5, INT_MIN + 3);
    mausRunter(m, 0, 0);
    mausZiehen(m, 10, -10, false);
    EXPECT_EQ(std::pair(m.origx, m.origy), std::pair(INT_MAX, INT_MIN));
}

// The windows show the model named on the command line.
TEST(Fensterstart, TheWindowsLoadTheNamedModel) {
    int zeilen = -1;
    QTimer::singleShot(0, [&zeilen] {
        const auto fenster = [](const char* art) {
            const QWidgetList alle = QApplication::topLevelWidgets();
            return *std::ranges::find_if(alle, [art](QWidget* w) { return w->inherits(art); });
        };
        fenster("wyk::WINhaupt")->findChild<QPushButton*>("PushButton3")->click();
        zeilen = fenster("wyk::WINdebug")->findChild<QTableView*>()->model()->rowCount();
        fenster("wyk::WINhaupt")->close();
    });
    EXPECT_EQ(fensterZeigen(QStringLiteral(WYK_EXAMPLES_DIR "/haus.wyk")), 0);
    EXPECT_EQ(zeilen, 10);
}

} // namespace
} // namespace wyk::test
