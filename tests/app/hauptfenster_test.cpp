#include "app/updownarrows.h"
#include "app/wiinfo.h"
#include "app/windebug.h"
#include "app/winexport.h"
#include "appfixture.h"
#include "platform/dateiname.h"
#include "platform/numbers.h"

#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTableView>
#include <QUrl>
#include <fstream>

namespace wyk::test {
namespace {

// The debug window's marks, and the redraws since the last look (usually one).
struct Marken {
    int punkt = 0;
    int bis = 0;
    int linie = 0;
    int redraws = 1;
    bool operator==(const Marken&) const = default;
};
void PrintTo(const Marken& m, std::ostream* os) {
    *os << "{punkt " << m.punkt << ", bis " << m.bis << ", linie " << m.linie << ", redraws "
        << m.redraws << '}';
}

// What an input changes; zoom 0 for none, and the field's text where it is not the zoom.
struct Wirkung {
    double drehung = 0;
    double neigung = 0;
    QPoint weg = {};
    int redraws = 1;
    int zoom = 0;
    const char* feld = nullptr;
};

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
                const QVariant kopf = daten.headerData(i, Qt::Horizontal);
                zellen << (row < 0 ? kopf : daten.index(row, i).data()).toString();
            }
            zeilen << zellen.join(' ');
        }
        return zeilen;
    }
    // An input, named for a failure's message.
    struct Eingabe {
        QString name;
        std::function<void()> tun;
    };
    // Keys on a control, by default the drawing.
    Eingabe taste(const char* folge, const char* wo = "CAhaupt") {
        return {QString(folge) + " on " + wo, [=, this] { tasten(control(wo), folge); }};
    }
    // Keys on a debug table focused by Tab.
    Eingabe tabTaste(const char* name, const char* folge) {
        return Eingabe(QString(folge) + " on " + name, [=, this] {
            tabelle(name)->setFocus(Qt::TabFocusReason);
            tasten(tabelle(name), folge);
        });
    }
    Eingabe zelle(const char* name, int row, int column) {
        return Eingabe(QString("a click on %1 %2, %3").arg(name).arg(row).arg(column), [=, this] {
            QTableView* view = tabelle(name);
            const QRect feld = view->visualRect(view->model()->index(row, column));
            klick(view->viewport(), feld.center());
        });
    }
    Eingabe klickAuf(const char* name) {
        return {QString("a click on ") + name, [=, this] { klick(control(name)); }};
    }
    // A left click on the drawing.
    Eingabe tippen(const char* was, QPoint wo, Qt::KeyboardModifiers mods = {}) {
        return {QString("a click on ") + was, [=, this] { klick(canvas(), wo, mods); }};
    }
    Eingabe ueberPunkt(int p) {
        return {"hovering over point " + Str(p), [=, this] { QTest::mouseMove(canvas(), ort(p)); }};
    }
    Eingabe zugVonPunkt(int p) {
        return Eingabe("a drag from point " + Str(p), [=, this] {
            const QPoint nach = ort(p) + QPoint(30, 0);
            QTest::mousePress(canvas(), Qt::LeftButton, {}, ort(p));
            QTest::mouseMove(canvas(), nach);
            QTest::mouseRelease(canvas(), Qt::LeftButton, {}, nach);
        });
    }
    Eingabe escape() {
        return Eingabe("Escape on the drawing", [this] {
            aktivieren(&haupt());
            canvas()->setFocus();
            QTest::keyClick(canvas(), Qt::Key_Escape);
            aktivieren(app->debugFenster());
        });
    }
    // A press of the button, then a move with the left one held.
    Eingabe ziehen(QPoint von, QPoint nach, Qt::MouseButton knopf = Qt::LeftButton) {
        const QString art = knopf == Qt::LeftButton ? "a left drag" : "a right press, left drag";
        return Eingabe(art + " to " + Str(nach.x()), [=, this] {
            QMouseEvent druck(QEvent::MouseButtonPress, von, von, knopf, knopf, {});
            QCoreApplication::sendEvent(canvas(), &druck);
            QMouseEvent zug(QEvent::MouseMove, nach, nach, Qt::NoButton, Qt::LeftButton, {});
            QCoreApplication::sendEvent(canvas(), &zug);
        });
    }
    // A notch is 120.
    Eingabe rad(int winkel) {
        return Eingabe("the wheel by " + Str(winkel), [=, this] {
            const QPointF p(50, 50);
            QWheelEvent rad(p, canvas()->mapToGlobal(p), {}, {0, winkel}, Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(canvas(), &rad);
        });
    }
    Eingabe pfeilAb() {
        return Eingabe("a click on the lower zoom arrow", [this] {
            const QPoint wo(6, 18);
            QWidget* pfeil = control("UPDzoom")->childAt(wo);
            klick(pfeil, wo - pfeil->pos());
        });
    }
    Eingabe feld(const char* text) {
        return Eingabe(QString("pasted ") + text, [=, this] {
            zoomFeld()->selectAll();
            zoomFeld()->insert(text);
        });
    }
};

TEST_F(HauptfensterTest, FreshWindowShowsItsControls) {
    EXPECT_FALSE(haupt().windowIcon().isNull());
    EXPECT_EQ(haupt().windowTitle(), "WYK-Viewer");
    const Teile teile = {
        {"GroupBox1", {16, 15, 132, 97}, "Anzeige"},
        {"CBpunkte", {27, 37, 72, 22}, "Punkte", "aus"},
        {"CBlinien", {27, 56, 72, 22}, "Linien", "an"},
        {"CBachsen", {27, 85, 114, 22}, "Achsen", "an"},
        {"GroupBox2", {16, 124, 132, 159}, "Ansicht"},
        {"PushButton1", {49, 246, 68, 20}, "reset"},
        {"UPDzoom", {121, 153, 13, 23}},
        {"EFzoom", {73, 153, 44, 22}, "10"},
        {"RBdrag0", {25, 188, 100, 20}, "rotieren", "an"},
        {"RBdrag1", {25, 214, 100, 20}, "verschieben", "aus"},
        {"StaticText1", {25, 153, 42, 20}, "Zoom"},
        {"CAhaupt", {156, 15, 400, 400}},
        {"PushButton2", {29, 304, 109, 20}, "WYK laden"},
        {"PushButton3", {29, 358, 109, 20}, "Debug"},
    };
    pruefeTeile(&haupt().inhalt(), teile);
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
    for (const auto& [gewuenscht, inhalt, zeichnung, ursprung] : faelle) {
        SCOPED_TRACE(gewuenscht.width());
        haupt().resize(gewuenscht + menue);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return haupt().inhalt().size() == inhalt && canvas()->geometry() == zeichnung;
        }));
        EXPECT_EQ(QSize(m().breite, m().hoehe), zeichnung.size());
        EXPECT_EQ(origin(), ursprung);
    }
}

TEST_F(HauptfensterTest, DebugWindowMarksTheChosenRowsUntilItCloses) {
    haupt().move(30, 70);
    lade(WYK_EXAMPLES_DIR "/dreieck.wyk");
    m().punkt[2][3] = 0.25;
    klick(control("PushButton3"));
    const QPointer<WINdebug> fenster = app->debugFenster();
    EXPECT_EQ(festeGroesse(fenster), QSize(399, 435));
    pruefeTeile(fenster, {{"LBpunkte", {20, 38, 197, 377}},
                          {"StaticText1", {254, 6, 100, 20}, "Linien"},
                          {"LBlinien", {229, 38, 150, 377}},
                          {"StaticText2", {53, 6, 100, 20}, "Punkte"}});
    EXPECT_EQ(fenster->pos(), QPoint(397, 70)) << "moved with its frame onto the screen";
    EXPECT_EQ(zeilen("LBpunkte"), (QStringList{"Nr. x y z", "1 0 0 0", "2 10 0 0.25", "3 0 10 0"}));
    EXPECT_EQ(zeilen("LBlinien"),
              (QStringList{"Nr. Pkt. Farbe", "1 1 0", "2 2 12", "3 3 10", "4 1 9"}));
    EXPECT_EQ(tabelle("LBpunkte")->model()->index(1, 3).data(Qt::ToolTipRole), "0.25");
    const auto marken = [this] {
        return Marken{m().debugpkt, m().messpkt, m().debuglinie, std::exchange(redraws, 0)};
    };
    EXPECT_EQ(marken(), Marken{}) << "nothing marked, the load drawn";
    aktivieren(fenster);
    // Keys and clicks on the tables and the drawing; the menu's commands work from here too.
    const std::pair<Eingabe, Marken> schritte[] = {
        {tabTaste("LBpunkte", "Space"), {.punkt = 1}},
        {tabTaste("LBpunkte", "End"), {.punkt = 3}},
        {tabTaste("LBpunkte", "Home"), {.punkt = 1}},
        {tabTaste("LBlinien", "Return"), {.punkt = 1, .linie = 1}},
        {tabTaste("LBlinien", "PgDown"), {.punkt = 1, .linie = 4}},
        {tabTaste("LBlinien", "PgUp"), {.punkt = 1, .linie = 1}},
        {zelle("LBpunkte", 2, 0), {.punkt = 3, .linie = 1}},
        {zelle("LBlinien", 3, 2), {.punkt = 3, .linie = 4}},
        {tabTaste("LBpunkte", "Ctrl+S"), {.punkt = 3, .linie = 4}},
        {tippen("point 1", ort(1)), {.punkt = 1, .linie = 4}},
        {tippen("point 3", ort(3), Qt::ShiftModifier), {.punkt = 1, .bis = 3, .linie = 4}},
        {escape(), {.punkt = 1, .linie = 4}},
        {tabTaste("LBpunkte", "Down"), {.punkt = 2, .linie = 4}},
        {tabTaste("LBpunkte", "Shift+Return"), {.punkt = 1, .bis = 2, .linie = 4}},
        {ueberPunkt(2), {.punkt = 1, .bis = 2, .linie = 4, .redraws = 0}},
        {zelle("LBlinien", 2, 0), {.punkt = 1, .linie = 3}},
        {tippen("move 2", (ort(1) + ort(2)) / 2), {.punkt = 1, .linie = 2}},
        {zugVonPunkt(3), {.punkt = 1, .linie = 2}},
        {tippen("nothing", {2, 2}), {}}};
    for (const auto& [eingabe, erwartet] : schritte) {
        SCOPED_TRACE(eingabe.name);
        eingabe.tun();
        EXPECT_EQ(marken(), erwartet);
        const auto gewaehlt = tabelle("LBpunkte")->selectionModel()->selectedRows();
        EXPECT_EQ(gewaehlt.value(0).row() + 1, m().debugpkt) << "the marked point's row";
    }
    EXPECT_EQ(dialogs->proposed, QStringList{"bild"});
    tabelle("LBpunkte")->setFocus(Qt::TabFocusReason);
    for (const auto& [taste, ziel] : {std::pair("Tab", "LBlinien"), {"Shift+Tab", "LBpunkte"}}) {
        tasten(fokus(), taste);
        EXPECT_EQ(fokus()->objectName(), ziel) << taste << " leaves the table";
    }
    for (const QKeySequence& taste :
         {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
        const QPointer<WINdebug> offen = app->debugFenster();
        aktivieren(offen);
        QTest::keySequence(fokus(), taste);
        ASSERT_EQ(app->debugFenster(), nullptr) << taste.toString();
        EXPECT_EQ(marken(), Marken{}) << "the marks gone";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(offen.isNull()) << "a closed window is destroyed";
        klick(control("PushButton3"));
    }
    lade(kHaus);
    EXPECT_EQ(app->debugFenster(), nullptr) << "a load closes it";
}

// Tab goes through the controls top to bottom, the drawing first, which shows its focus by a
// ring outside. Drags, keys, the wheel and the zoom controls turn, shift, zoom and reset.
TEST_F(HauptfensterTest, MouseAndKeyboardTurnShiftZoomAndResetTheView) {
    aktivieren(&haupt());
    const auto umgebung = [this] { return haupt().inhalt().grab({150, 9, 412, 412}).toImage(); };
    control("CBpunkte")->setFocus(Qt::TabFocusReason);
    const QImage ohne = umgebung();
    canvas()->setFocus(Qt::TabFocusReason);
    const QImage mit = umgebung();
    EXPECT_NE(mit, ohne) << "a ring around the focused drawing";
    EXPECT_EQ(mit.copy(6, 6, 400, 400), ohne.copy(6, 6, 400, 400)) << "the ring stays outside";
    for (const char* naechstes : {"CBpunkte", "CBlinien", "CBachsen", "EFzoom", "RBdrag0",
                                  "PushButton1", "PushButton2", "PushButton3", "CAhaupt"}) {
        QTest::keyClick(fokus(), Qt::Key_Tab);
        EXPECT_EQ(fokus()->objectName(), naechstes) << "Tab";
    }
    lade(kHaus);
    const std::pair<Eingabe, Wirkung> eingaben[] = {
        {ziehen({100, 100}, {200, 300}), {.drehung = 1.57, .neigung = 3.14}},
        {taste("Right"), {.drehung = 0.157}},
        {taste("Shift+Up"), {.neigung = -0.157}},
        {klickAuf("RBdrag1"), {.redraws = 0}},
        {ziehen({50, 60}, {60, 55}), {.weg = {10, -5}}},
        // shifted from the left press
        {ziehen({10, 10}, {90, 80}, Qt::RightButton), {.weg = {30, 25}}},
        {taste("Num+Left"), {.weg = {-10, 0}}},
        {taste("Down"), {.weg = {0, 10}}},
        {taste("Ctrl+Right"), {.redraws = 0}},
        {taste("Num++"), {.zoom = 11}},
        {taste("-"), {.zoom = 10}},
        {rad(-360), {.zoom = 7}},
        {rad(60), {.redraws = 0}},
        {rad(90), {.zoom = 8}},
        {rad(-2400), {.zoom = 1}},
        {pfeilAb(), {.redraws = 0}},
        {feld("25"), {.zoom = 25}},
        {feld("0"), {.zoom = 1}},
        {feld("99999999999"), {.zoom = 2147483647, .feld = "99999999999"}},
        {feld("10"), {.zoom = 10}},
        {taste("Up", "EFzoom"), {.zoom = 11}},
        {taste("PgUp", "EFzoom"), {.zoom = 21}},
        {taste("Down", "EFzoom"), {.zoom = 20}},
        {taste("PgDown", "EFzoom"), {.zoom = 10}},
        {taste("PgDown", "EFzoom"), {.zoom = 1}},
        {taste("PgDown", "EFzoom"), {.redraws = 0}},
        {feld("17"), {.zoom = 17}},
        {klickAuf("PushButton1"), {.drehung = -1.727, .neigung = -2.983, .weg = {-30, -30}}},
        {taste("Left"), {.weg = {-10, 0}}},
        {taste("Home"), {.weg = {10, 0}}},
        {taste("Down"), {.weg = {0, 10}}},
        {taste("0"), {.weg = {0, -10}}}};
    for (const auto& [eingabe, soll] : eingaben) {
        SCOPED_TRACE(eingabe.name);
        const auto winkel = m().rotwinkel;
        const QPoint vorher = origin();
        const int zoom = soll.zoom == 0 ? m().zoomfaktor : soll.zoom;
        redraws = 0;
        eingabe.tun();
        EXPECT_EQ(m().zoomfaktor, zoom);
        EXPECT_EQ(zoomFeld()->text(), soll.feld ? soll.feld : Str(zoom));
        EXPECT_EQ(redraws, soll.redraws);
        EXPECT_NEAR(m().rotwinkel[3] - winkel[3], soll.drehung, 1e-8) << "the turn";
        EXPECT_NEAR(m().rotwinkel[1] - winkel[1], soll.neigung, 1e-8) << "the tilt";
        EXPECT_EQ(origin() - vorher, soll.weg) << "the shift";
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
        return zeichnung();
    };
    // The button, modifiers and end of a drag, and the end of the left drag drawing the same.
    const std::tuple<Qt::MouseButton, Qt::KeyboardModifiers, QPoint, QPoint> faelle[] = {
        {Qt::MiddleButton, {}, {140, 70}, {140, 70}},
        {Qt::LeftButton, Qt::ShiftModifier, {60, 130}, {60, 130}},
        {Qt::LeftButton, Qt::ShiftModifier, {104, 105}, {100, 100}}};
    for (const auto& [knopf, mods, nach, links] : faelle) {
        for (const auto& [modus, anders] :
             {std::pair("RBdrag0", "RBdrag1"), {"RBdrag1", "RBdrag0"}}) {
            SCOPED_TRACE(testing::Message() << modus << ", button " << knopf << ", x " << nach.x());
            EXPECT_EQ(zug(modus, knopf, mods, nach), zug(anders, Qt::LeftButton, {}, links));
        }
    }
}

// A right click, the Menu key and Shift+F10 open the drawing's menu, read with keys and ticks.
// Each item does what its key or control does; the boxes' items follow the boxes, both ways.
TEST_F(HauptfensterTest, ContextMenuDoesWhatTheKeysAndControlsDo) {
    aktivieren(&haupt());
    lade(kHaus);
    // The keys that open the menu (none: a right click), then the boxes' ticks it shows; then
    // "Punkte" in it and the box "Linien" are clicked.
    const std::pair<const char*, QStringList> wege[] = {
        {"", {"aus", "an", "an"}},
        {"Menu", {"an", "aus", "an"}},
        {"Shift+F10", {"aus", "an", "an"}},
    };
    for (const auto& [folge, haken] : wege) {
        SCOPED_TRACE(folge);
        canvas()->setFocus();
        *folge ? tasten(canvas(), folge) : rechtsklick();
        const auto* menue = zugang(QApplication::activePopupWidget());
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
    const std::pair<const char*, const char*> kuerzel[] = {
        {"von vorne", "1"}, {"von hinten", "Ctrl+1"}, {"von rechts", "3"}, {"von links", "Ctrl+3"},
        {"von oben", "7"},  {"von unten", "Ctrl+7"},  {"Einpassen", "F"}};
    for (const auto& [punkt, folge] : kuerzel) {
        taste("Right").tun();
        const auto ansicht = std::tuple(m().rotwinkel, m().zoomfaktor, m().origx, m().origy);
        taste(folge).tun();
        const QImage mitTaste = zeichnung();
        std::tie(m().rotwinkel, m().zoomfaktor, m().origx, m().origy) = ansicht;
        druecken(punkt);
        EXPECT_EQ(zeichnung(), mitTaste) << punkt;
    }
    zoomFeld()->setFocus();
    druecken("Bild kopieren");
    EXPECT_EQ(rgb32(QApplication::clipboard()->image()), zeichnung());
    // Ticked, a load fits the model as F does after it, drawing once.
    druecken("Beim Laden einpassen");
    redraws = 0;
    lade(kHaus);
    EXPECT_EQ(redraws, 1);
    const QImage geladen = zeichnung();
    taste("F").tun();
    EXPECT_EQ(zeichnung(), geladen);
    druecken("Debug");
    EXPECT_NE(app->debugFenster(), nullptr);
}

TEST_F(HauptfensterTest, ScreenReadersReadEachPartsRoleAndName) {
    lade(kHaus);
    waehle("About");
    waehle("FIoffhtml");
    klick(control("PushButton3"));
    QAccessibleInterface* datei = zugang(app->menuBar().actions().constFirst()->menu());
    auto* pfeile = control<UpDownArrows>("UPDzoom");
    const std::tuple<QAccessibleInterface*, QAccessible::Role, QString> teile[] = {
        {zugang(&haupt()), QAccessible::Window, "haus.wyk – WYK-Viewer"},
        {zugang(canvas()), QAccessible::Graphic,
         "Modell „haus.wyk“. Pfeiltasten drehen oder verschieben, Plus und Minus zoomen, Pos1 "
         "oder 0 stellt die Ansicht zurück, 1, 3 und 7 zeigen es von vorn, rechts und oben, mit "
         "Strg von der Gegenseite, F passt es ein."},
        {zugang(zoomFeld()), QAccessible::EditableText, "Zoom"},
        {zugang(&pfeile->auf()), QAccessible::Button, "Zoom größer"},
        {zugang(&pfeile->ab()), QAccessible::Button, "Zoom kleiner"},
        {datei->child(0), QAccessible::MenuItem, "WYK laden ..."},
        {datei->child(2), QAccessible::MenuItem, "OFF exportieren..."},
        {zugang(app->debugFenster()), QAccessible::Window, "Debug"},
        {zugang(tabelle("LBpunkte")), QAccessible::Table, "Punkte"},
        {zugang(tabelle("LBlinien")), QAccessible::Table, "Linien"},
        {zugang(app->infoFenster()), QAccessible::Dialog, "Info"},
        {zugang(app->exportFenster()), QAccessible::Dialog, "OFF+ Export"}};
    for (const auto& [element, rolle, name] : teile) {
        SCOPED_TRACE(name);
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->role(), rolle);
        EXPECT_EQ(element->text(QAccessible::Name), name);
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
