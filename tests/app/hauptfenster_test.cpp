#include "app/updownarrows.h"
#include "app/wiinfo.h"
#include "app/windebug.h"
#include "app/winexport.h"
#include "appfixture.h"
#include "platform/dateiname.h"
#include "platform/numbers.h"
#include "view/projection.h"

#include <QAccessible>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTableView>
#include <QUrl>
#include <fstream>

namespace wyk::test {
namespace {

class HauptfensterTest : public AppTest {
protected:
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
                const QModelIndex zelle = daten.index(row, i);
                zellen << (row < 0 ? daten.headerData(i, Qt::Horizontal) : zelle.data()).toString();
            }
            zeilen << zellen.join(' ');
        }
        return zeilen;
    }
    // On the drawing: a click on a point ("P1"), a move's middle ("L2") or nothing ("leer"),
    // the pointer resting ("über P2"), a drag ("Zug P3") or Escape.
    void aufDerZeichnung(const QString& schritt) {
        const QString punkt = schritt.section(' ', -1).section('+', -1);
        const auto mods = schritt[0] == 'S' ? Qt::ShiftModifier : Qt::NoModifier;
        const QPoint wo = punkt == "leer" ? QPoint(2, 2)
                          : punkt.startsWith('L')
                              ? (ort(1) + ort(m().linie[punkt.mid(1).toInt()][1])) / 2
                              : ort(punkt.mid(1).toInt());
        if (schritt == "Escape") { // in the main window
            aktivieren(&haupt());
            canvas()->setFocus();
            QTest::keyClick(canvas(), Qt::Key_Escape);
            aktivieren(app->debugFenster());
        } else if (schritt.startsWith("über")) {
            QTest::mouseMove(canvas(), wo);
        } else if (schritt.startsWith("Zug")) {
            QTest::mousePress(canvas(), Qt::LeftButton, {}, wo);
            QTest::mouseMove(canvas(), wo + QPoint(30, 0));
            QTest::mouseRelease(canvas(), Qt::LeftButton, {}, wo + QPoint(30, 0));
        } else {
            QTest::mouseClick(canvas(), Qt::LeftButton, mods, wo);
        }
    }
    // One input: "rad" turns the wheel by an angle (a notch is 120), "pfeil" clicks the zoom
    // arrows at a height, "feld" pastes over the zoom field's text, "taste" and "feldtaste"
    // press a key on the drawing or in the field, "ziehen" drags from one point to another,
    // "rechts" after a press of the right button, "klick" clicks a control.
    void eingeben(const QString& eingabe) {
        const QString was = eingabe.section(' ', 0, 0);
        const QString wert = eingabe.section(' ', 1);
        const auto zahl = [&wert](int i) { return wert.section(' ', i, i).toInt(); };
        if (was == "rad") {
            const QPointF p(50, 50);
            QWheelEvent rad(p, canvas()->mapToGlobal(p), {}, {0, zahl(0)}, Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(canvas(), &rad);
        } else if (was == "pfeil") {
            const QPoint wo(6, zahl(0));
            QWidget* pfeil = control("UPDzoom")->childAt(wo);
            QTest::mouseClick(pfeil, Qt::LeftButton, {}, wo - pfeil->pos());
        } else if (was == "feld") {
            zoomFeld()->selectAll();
            zoomFeld()->insert(wert);
        } else if (was.endsWith("taste")) {
            const QKeyCombination taste = QKeySequence::fromString(wert)[0];
            QWidget* ziel = was == "taste" ? canvas() : zoomFeld();
            QTest::keyClick(ziel, taste.key(), taste.keyboardModifiers());
        } else if (was == "klick") {
            klick(control(wert.toLatin1().constData()));
        } else { // a press of the button, then a move with the left one held
            const Qt::MouseButton knopf = was == "rechts" ? Qt::RightButton : Qt::LeftButton;
            const QPoint von(zahl(0), zahl(1)), nach(zahl(2), zahl(3));
            QMouseEvent druck(QEvent::MouseButtonPress, von, von, knopf, knopf, {});
            QCoreApplication::sendEvent(canvas(), &druck);
            QMouseEvent zug(QEvent::MouseMove, nach, nach, Qt::NoButton, Qt::LeftButton, {});
            QCoreApplication::sendEvent(canvas(), &zug);
        }
    }
};

TEST_F(HauptfensterTest, FreshWindowShowsItsControls) {
    EXPECT_FALSE(haupt().windowIcon().isNull());
    pruefeTeile(&haupt().inhalt(),
                {"WYK-Viewer", "GroupBox1 16 15 132 97 Anzeige", "CBpunkte 27 37 72 22 Punkte aus",
                 "CBlinien 27 56 72 22 Linien an", "CBachsen 27 85 114 22 Achsen an",
                 "GroupBox2 16 124 132 159 Ansicht", "PushButton1 49 246 68 20 reset",
                 "UPDzoom 121 153 13 23", "EFzoom 73 153 44 22 10",
                 "RBdrag0 25 188 100 20 rotieren an", "RBdrag1 25 214 100 20 verschieben aus",
                 "StaticText1 25 153 42 20 Zoom", "CAhaupt 156 15 400 400",
                 "PushButton2 29 304 109 20 WYK laden", "PushButton3 29 358 109 20 Debug"});
}

// A held arrow steps at once, again after 400 ms and then every 60 ms until it is let go.
TEST_F(HauptfensterTest, HeldZoomArrowRepeatsUntilReleased) {
    auto* pfeile = control<UpDownArrows>("UPDzoom");
    QSignalSpy schritte(pfeile, &UpDownArrows::up);
    QTest::mousePress(&pfeile->auf(), Qt::LeftButton, {}, QPoint(6, 5));
    EXPECT_EQ(schritte.size(), 1) << "a step at once";
    EXPECT_FALSE(schritte.wait(300)) << "a repeat within 300 ms";
    ASSERT_TRUE(QTest::qWaitFor([&] { return schritte.size() == 4; }));
    QTest::mouseRelease(&pfeile->auf(), Qt::LeftButton, {}, QPoint(6, 5));
    EXPECT_FALSE(schritte.wait(200)) << "steps after the release";
    EXPECT_EQ(m().zoomfaktor, 14);
}

TEST_F(HauptfensterTest, ResizeKeepsCanvasAndOriginInStepAtTheLimits) {
    const QSize menue = haupt().size() - haupt().inhalt().size();
    // The window's content asked for and given, then the canvas and the origin it gets.
    const std::tuple<QSize, QSize, QRect, QPoint> faelle[] = {
        {{776, 635}, {776, 635}, {156, 15, 600, 600}, {300, 300}},
        {{1601, 901}, {1600, 900}, {156, 15, 1424, 865}, {712, 432}},
        {{575, 434}, {576, 435}, {156, 15, 400, 400}, {200, 199}}};
    for (const auto& [gewuenscht, inhalt, zeichnung, origin] : faelle) {
        SCOPED_TRACE(gewuenscht.width());
        haupt().resize(gewuenscht + menue);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return haupt().inhalt().size() == inhalt && canvas()->geometry() == zeichnung;
        }));
        EXPECT_EQ(QSize(m().breite, m().hoehe), zeichnung.size());
        EXPECT_EQ(QPoint(m().origx, m().origy), origin);
    }
}

TEST_F(HauptfensterTest, DebugWindowShowsTheModelAndMarksTheChosenRowsUntilItCloses) {
    haupt().move(30, 70);
    lade(WYK_EXAMPLES_DIR "/dreieck.wyk");
    m().punkt[2][3] = 0.25;
    klick(control("PushButton3"));
    const QPointer<WINdebug> fenster = app->debugFenster();
    pruefeTeile(fenster,
                {"Debug 399x435", "LBpunkte 20 38 197 377", "StaticText1 254 6 100 20 Linien",
                 "LBlinien 229 38 150 377", "StaticText2 53 6 100 20 Punkte"});
    EXPECT_EQ(fenster->pos(), QPoint(397, 70)) << "at 600, moved with its frame onto 800 pixels";
    EXPECT_EQ(zeilen("LBpunkte"), (QStringList{"Nr. x y z", "1 0 0 0", "2 10 0 0.25", "3 0 10 0"}));
    EXPECT_EQ(zeilen("LBlinien"),
              (QStringList{"Nr. Pkt. Farbe", "1 1 0", "2 2 12", "3 3 10", "4 1 9"}));
    EXPECT_EQ(tabelle("LBpunkte")->model()->index(1, 3).data(Qt::ToolTipRole), "0.25");
    // The marked point and pen move, and the redraws since the last look, counted afresh.
    const auto marken = [this] {
        const int neu = std::exchange(redraws, 0);
        QString pkt = Str(m().debugpkt);
        if (m().messpkt != 0) {
            pkt += "→" + Str(m().messpkt);
        }
        return QStringLiteral("%1 %2 %3").arg(pkt).arg(m().debuglinie).arg(neu);
    };
    EXPECT_EQ(marken(), "0 0 1") << "nothing marked, the load drawn";
    aktivieren(fenster);
    // A key on a table that took the focus by Tab or a click on a cell ("row column"), or on
    // the drawing ("Z"); then the marked point and pen move and the redraws. The menu's
    // commands work from here too.
    const std::tuple<const char*, QString, const char*> schritte[] = {
        {"LBpunkte", "Space", "1 0 1"},  {"LBpunkte", "End", "3 0 1"},
        {"LBpunkte", "Up", "2 0 1"},     {"LBpunkte", "PgDown", "3 0 1"},
        {"LBpunkte", "Home", "1 0 1"},   {"LBlinien", "Return", "1 1 1"},
        {"LBlinien", "PgDown", "1 4 1"}, {"LBlinien", "PgUp", "1 1 1"},
        {"LBpunkte", "2 0", "3 1 1"},    {"LBlinien", "3 2", "3 4 1"},
        {"LBpunkte", "Ctrl+S", "3 4 1"}, {"Z", "P1", "1 4 1"},
        {"Z", "Shift+P3", "1→3 4 1"},    {"Z", "Escape", "1 4 1"},
        {"LBpunkte", "Down", "2 4 1"},   {"LBpunkte", "Shift+Return", "1→2 4 1"},
        {"Z", "über P2", "1→2 4 0"},     {"Z", "L2", "1 2 1"},
        {"Z", "Zug P3", "1 2 1"},        {"Z", "leer", "0 0 1"}};
    for (const auto& [name, schritt, erwartet] : schritte) {
        SCOPED_TRACE(name + (' ' + schritt.toStdString()));
        QTableView* view = name[0] == 'Z' ? nullptr : tabelle(name);
        const QStringList zelle = schritt.split(' ');
        if (view == nullptr) {
            aufDerZeichnung(schritt);
        } else if (zelle.size() == 2) { // a click in the cell's middle
            const QModelIndex index = view->model()->index(zelle[0].toInt(), zelle[1].toInt());
            const QPoint mitte = view->visualRect(index).center();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, mitte);
        } else {
            view->setFocus(Qt::TabFocusReason);
            QTest::keySequence(view, QKeySequence(schritt));
        }
        EXPECT_EQ(marken(), erwartet) << "the marked point and pen move, the redraws";
        const auto zeile = tabelle("LBpunkte")->selectionModel()->selectedRows();
        EXPECT_EQ(zeile.isEmpty() ? 0 : zeile.constFirst().row() + 1, m().debugpkt)
            << "the marked point's row is the selected one";
    }
    EXPECT_EQ(dialogs->proposed, QStringList{"bild"});
    tabelle("LBpunkte")->setFocus(Qt::TabFocusReason);
    for (const auto& [taste, ziel] : {std::pair("Tab", "LBlinien"), {"Shift+Tab", "LBpunkte"}}) {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(taste));
        EXPECT_EQ(QApplication::focusWidget()->objectName(), ziel) << taste << " leaves the table";
    }
    for (const QKeySequence& taste :
         {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
        const QPointer<WINdebug> offen = app->debugFenster();
        aktivieren(offen);
        QTest::keySequence(QApplication::focusWidget(), taste);
        ASSERT_EQ(app->debugFenster(), nullptr) << taste.toString().toStdString();
        EXPECT_EQ(marken(), "0 0 1") << "the marks gone";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(offen.isNull()) << "a closed window is destroyed";
        klick(control("PushButton3"));
    }
    lade(kHaus);
    EXPECT_EQ(app->debugFenster(), nullptr) << "a load closes it";
    EXPECT_EQ(m().debugpkt, 0) << "a load";
}

// Tab goes through the controls top to bottom, the drawing first, which shows its focus by a
// ring outside. A left drag rotates or shifts; on the focused drawing an arrow key drags by 10
// pixels, + and - are the zoom arrows; in the zoom field the arrow keys step the zoom, the
// page keys by ten. "reset", Home and 0 restore the view.
TEST_F(HauptfensterTest, MouseAndKeyboardTurnShiftZoomAndResetTheView) {
    aktivieren(&haupt());
    const auto umgebung = [this] { return haupt().inhalt().grab({150, 9, 412, 412}).toImage(); };
    control("CBpunkte")->setFocus(Qt::TabFocusReason);
    const QImage ohne = umgebung();
    canvas()->setFocus(Qt::TabFocusReason);
    const QImage mit = umgebung();
    EXPECT_NE(mit, ohne) << "a ring around the focused drawing";
    EXPECT_EQ(mit.copy(6, 6, 400, 400), ohne.copy(6, 6, 400, 400)) << "the ring stays outside";
    QStringList reihe;
    for (int i = 0; i < 10; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab)) {
        reihe << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(reihe,
              (QStringList{"CAhaupt", "CBpunkte", "CBlinien", "CBachsen", "EFzoom", "RBdrag0",
                           "PushButton1", "PushButton2", "PushButton3", "CAhaupt"}));
    lade(kHaus);
    // Each input, then the zoom, the field's text, the redraws and the change of turn, tilt and
    // origin.
    const std::pair<const char*, QString> eingaben[] = {
        {"ziehen 100 100 200 300", "10 10 1 1.57 3.14 0 0"},
        {"taste Right", "10 10 1 0.157 0 0 0"},
        {"taste Shift+Up", "10 10 1 0 -0.157 0 0"},
        {"klick RBdrag1", "10 10 0 0 0 0 0"},
        {"ziehen 50 60 60 55", "10 10 1 0 0 10 -5"},
        {"rechts 10 10 90 80", "10 10 1 0 0 30 25"}, // shifted from the left press
        {"taste Num+Left", "10 10 1 0 0 -10 0"},
        {"taste Down", "10 10 1 0 0 0 10"},
        {"taste Ctrl+Right", "10 10 0 0 0 0 0"},
        {"taste Num++", "11 11 1 0 0 0 0"},
        {"taste -", "10 10 1 0 0 0 0"},
        {"rad -360", "7 7 1 0 0 0 0"},
        {"rad 60", "7 7 0 0 0 0 0"},
        {"rad 90", "8 8 1 0 0 0 0"},
        {"rad -2400", "1 1 1 0 0 0 0"},
        {"pfeil 18", "1 1 0 0 0 0 0"},
        {"feld 25", "25 25 1 0 0 0 0"},
        {"feld 0", "1 1 1 0 0 0 0"},
        {"feld 99999999999", "2147483647 99999999999 1 0 0 0 0"},
        {"feld 10", "10 10 1 0 0 0 0"},
        {"feldtaste Up", "11 11 1 0 0 0 0"},
        {"feldtaste PgUp", "21 21 1 0 0 0 0"},
        {"feldtaste Down", "20 20 1 0 0 0 0"},
        {"feldtaste PgDown", "10 10 1 0 0 0 0"},
        {"feldtaste PgDown", "1 1 1 0 0 0 0"},
        {"feldtaste PgDown", "1 1 0 0 0 0 0"},
        {"feld 17", "17 17 1 0 0 0 0"},
        {"klick PushButton1", "17 17 1 -1.727 -2.983 -30 -30"},
        {"taste Left", "17 17 1 0 0 -10 0"},
        {"taste Home", "17 17 1 0 0 10 0"},
        {"taste Down", "17 17 1 0 0 0 10"},
        {"taste 0", "17 17 1 0 0 0 -10"}};
    for (const auto& [eingabe, erwartet] : eingaben) {
        SCOPED_TRACE(eingabe);
        const auto winkel = m().rotwinkel;
        const QPoint origin(m().origx, m().origy);
        redraws = 0;
        eingeben(eingabe);
        const QPoint weg = QPoint(m().origx, m().origy) - origin;
        const auto um = [&](int i) {
            return QString::number(m().rotwinkel[i] - winkel[i], 'g', 9);
        };
        const QStringList ist{Str(m().zoomfaktor), zoomFeld()->text(), Str(redraws), um(3), um(1),
                              Str(weg.x()),        Str(weg.y())};
        EXPECT_EQ(ist.join(' '), erwartet) << "zoom, field, redraws, turn, tilt, shift";
    }
}

// A middle drag, or a left one with Shift, draws what the same left drag draws in the other
// mode, pixel for pixel; Shift within the drag distance leaves the view for a click.
TEST_F(HauptfensterTest, MiddleAndShiftDragsDoTheOtherMotion) {
    lade(kHaus);
    // The drawing after "reset" and a drag from (100, 100) in a mode.
    const auto zug = [this](const char* modus, Qt::MouseButton knopf, Qt::KeyboardModifiers mods,
                            QPoint nach) {
        klick(control(modus));
        klick(control("PushButton1"));
        QTest::mousePress(canvas(), knopf, mods, {100, 100});
        QTest::mouseMove(canvas(), nach);
        QTest::mouseRelease(canvas(), knopf, mods, nach);
        return rgb32(canvas()->grab().toImage());
    };
    // The button, modifiers and end of a drag, and the end of the left drag drawing the same.
    const std::tuple<Qt::MouseButton, Qt::KeyboardModifiers, QPoint, QPoint> faelle[] = {
        {Qt::MiddleButton, {}, {140, 70}, {140, 70}},
        {Qt::LeftButton, Qt::ShiftModifier, {60, 130}, {60, 130}},
        {Qt::LeftButton, Qt::ShiftModifier, {104, 105}, {100, 100}}};
    for (const auto& [knopf, mods, nach, links] : faelle) {
        for (const auto& [modus, anders] :
             {std::pair("RBdrag0", "RBdrag1"), {"RBdrag1", "RBdrag0"}}) {
            SCOPED_TRACE(
                QStringLiteral("%1 %2 %3").arg(modus).arg(knopf).arg(nach.x()).toStdString());
            EXPECT_EQ(zug(modus, knopf, mods, nach), zug(anders, Qt::LeftButton, {}, links));
        }
    }
}

// A right click on the drawing, the Menu key and Shift+F10 on it open its context menu, whose
// items a screen reader reads with their keys and ticks. Each does what its key or control
// does; the boxes' items follow the boxes, both ways.
TEST_F(HauptfensterTest, ContextMenuDoesWhatTheKeysAndControlsDo) {
    aktivieren(&haupt());
    lade(kHaus);
    // The keys that open the menu (none: a right click), then the boxes' ticks it shows; then
    // "Punkte" in it and the box "Linien" are clicked.
    const std::pair<const char*, QStringList> wege[] = {{"", {"aus", "an", "an"}},
                                                        {"Menu", {"an", "aus", "an"}},
                                                        {"Shift+F10", {"aus", "an", "an"}}};
    for (const auto& [tasten, haken] : wege) {
        SCOPED_TRACE(tasten);
        canvas()->setFocus();
        *tasten ? QTest::keySequence(canvas(), QKeySequence(tasten)) : rechtsklick();
        const auto* menue =
            QAccessible::queryAccessibleInterface(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        QStringList gelesen; // each item's name, key and tick; a separator reads empty
        for (int i = 0; i < menue->childCount(); ++i) {
            const QAccessibleInterface* punkt = menue->child(i);
            QStringList teile{punkt->text(QAccessible::Name),
                              punkt->text(QAccessible::Accelerator)};
            if (punkt->state().checkable) {
                teile << (punkt->state().checked ? "an" : "aus");
            }
            teile.removeAll(QString());
            gelesen << teile.join(' ');
        }
        EXPECT_EQ(gelesen,
                  (QStringList{"von vorne 1", "von hinten Ctrl+1", "von rechts 3",
                               "von links Ctrl+3", "von oben 7", "von unten Ctrl+7", "Startansicht",
                               "", "Einpassen F", "Beim Laden einpassen aus", "",
                               "Bild kopieren Ctrl+C", "", "Punkte " + haken[0],
                               "Linien " + haken[1], "Achsen " + haken[2], "", "Debug"}));
        QApplication::activePopupWidget()->close();
        druecken("Punkte");
        klick(control("CBlinien"));
    }
    // Each item a key does too, and that key, from the same view.
    const std::pair<const char*, const char*> tasten[] = {
        {"von vorne", "1"}, {"von hinten", "Ctrl+1"}, {"von rechts", "3"}, {"von links", "Ctrl+3"},
        {"von oben", "7"},  {"von unten", "Ctrl+7"},  {"Einpassen", "F"}};
    for (const auto& [punkt, taste] : tasten) {
        eingeben("taste Right");
        const auto ansicht = std::tuple(m().rotwinkel, m().zoomfaktor, m().origx, m().origy);
        eingeben(QStringLiteral("taste ") + taste);
        const QImage mitTaste = rgb32(canvas()->grab().toImage());
        std::tie(m().rotwinkel, m().zoomfaktor, m().origx, m().origy) = ansicht;
        druecken(punkt);
        EXPECT_EQ(rgb32(canvas()->grab().toImage()), mitTaste) << punkt;
    }
    zoomFeld()->setFocus();
    druecken("Bild kopieren");
    EXPECT_EQ(rgb32(QApplication::clipboard()->image()), rgb32(canvas()->grab().toImage()));
    // Ticked, a load fits the model as F does after it, drawing once.
    druecken("Beim Laden einpassen");
    redraws = 0;
    lade(kHaus);
    EXPECT_EQ(redraws, 1);
    const QImage geladen = rgb32(canvas()->grab().toImage());
    eingeben("taste F");
    EXPECT_EQ(rgb32(canvas()->grab().toImage()), geladen);
    druecken("Debug");
    EXPECT_NE(app->debugFenster(), nullptr);
}

// What a screen reader reads through Qt's accessibility interface: each part's role and name.
TEST_F(HauptfensterTest, ScreenReadersReadEachPartsRoleAndName) {
    lade(kHaus);
    waehle("About");
    waehle("FIoffhtml");
    klick(control("PushButton3"));
    const auto z = &QAccessible::queryAccessibleInterface;
    QAccessibleInterface* datei = z(app->menuBar().actions().constFirst()->menu());
    const std::tuple<QAccessibleInterface*, QAccessible::Role, QString> teile[] = {
        {z(&haupt()), QAccessible::Window, "haus.wyk – WYK-Viewer"},
        {z(canvas()), QAccessible::Graphic,
         "Modell „haus.wyk“. Pfeiltasten drehen oder verschieben, Plus und Minus zoomen, Pos1 "
         "oder 0 stellt die Ansicht zurück, 1, 3 und 7 zeigen es von vorn, rechts und oben, mit "
         "Strg von der Gegenseite, F passt es ein."},
        {z(zoomFeld()), QAccessible::EditableText, "Zoom"},
        {z(&control<UpDownArrows>("UPDzoom")->auf()), QAccessible::Button, "Zoom größer"},
        {z(&control<UpDownArrows>("UPDzoom")->ab()), QAccessible::Button, "Zoom kleiner"},
        {datei->child(0), QAccessible::MenuItem, "WYK laden ..."},
        {datei->child(2), QAccessible::MenuItem, "OFF exportieren..."},
        {z(app->debugFenster()), QAccessible::Window, "Debug"},
        {z(tabelle("LBpunkte")), QAccessible::Table, "Punkte"},
        {z(tabelle("LBlinien")), QAccessible::Table, "Linien"},
        {z(app->infoFenster()), QAccessible::Dialog, "Info"},
        {z(app->exportFenster()), QAccessible::Dialog, "OFF+ Export"}};
    for (const auto& [zugang, rolle, name] : teile) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_NE(zugang, nullptr);
        EXPECT_EQ(zugang->role(), rolle);
        EXPECT_EQ(zugang->text(QAccessible::Name), name);
    }
}

// A dropped model is taken as a copy, never as a move, after which the source would delete it.
// A URL names a file by the command line's rules.
TEST_F(HauptfensterTest, ADroppedFileIsCopiedNotMoved) {
    const TempDir dir;
    const QByteArray e9 = QFile::encodeName(dir.path("h")) + "\xE9.wyk";
    std::ofstream(e9.toStdString()) << "1\n1 2 3\n0\n";
    const QByteArray haus = QUrl::fromLocalFile(kHaus).toEncoded();
    const QString h = nameAusBytes("h\xE9.wyk");
    constexpr Qt::DropAction kopie = Qt::CopyAction;
    // The URL, the actions offered, the action answered and the model shown.
    const std::tuple<QByteArray, Qt::DropActions, Qt::DropAction, QString> faelle[] = {
        {haus, Qt::MoveAction, Qt::IgnoreAction, "3D"},
        {haus, kopie | Qt::MoveAction, kopie, "haus.wyk"},
        {"file://rechner" + haus.mid(7), kopie, Qt::IgnoreAction, "haus.wyk"},
        {"FILE://" + e9.toPercentEncoding("/"), kopie, kopie, h},
        {haus + "%00.x", kopie, Qt::IgnoreAction, h}};
    for (const auto& [url, angebot, antwort, modell] : faelle) {
        SCOPED_TRACE(url.toStdString());
        QMimeData daten;
        daten.setData("text/uri-list", url + "\r\n");
        QDragEnterEvent hinein({300, 200}, angebot, &daten, Qt::LeftButton, {});
        QDropEvent ablegen(QPointF(300, 200), angebot, &daten, Qt::LeftButton, {});
        for (QDropEvent* e : {static_cast<QDropEvent*>(&hinein), &ablegen}) {
            QCoreApplication::sendEvent(&haupt(), e);
            EXPECT_EQ(e->isAccepted() ? e->dropAction() : Qt::IgnoreAction, antwort) << e->type();
        }
        EXPECT_EQ(m().datname, modell);
    }
    EXPECT_EQ(meldungen, QStringList());
}

} // namespace
} // namespace wyk::test
