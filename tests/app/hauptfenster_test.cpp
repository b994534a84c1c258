#include "app/updownarrows.h"
#include "app/windebug.h"
#include "appfixture.h"
#include "view/interaction.h"
#include "view/projection.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
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
    // Clicks a cell, then gives "debugpkt debuglinie redraws" and counts the redraws afresh.
    QString klicken(const char* name, int row, int column) {
        QTableView* view = tabelle(name);
        const QRect zelle = view->visualRect(view->model()->index(row, column));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, zelle.center());
        const QString text = QStringLiteral("%1 %2 %3").arg(m().debugpkt).arg(m().debuglinie);
        return text.arg(std::exchange(redraws, 0));
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
    QTest::mousePress(pfeile, Qt::LeftButton, {}, QPoint(6, 5));
    EXPECT_TRUE(schritte.size() == 1 && !schritte.wait(300)) << "a repeat within 300 ms";
    ASSERT_TRUE(QTest::qWaitFor([&] { return schritte.size() == 4; }));
    QTest::mouseRelease(pfeile, Qt::LeftButton, {}, QPoint(6, 5));
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
            QTest::mouseClick(control("UPDzoom"), Qt::LeftButton, {}, QPoint(6, std::atoi(wert)));
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
    EXPECT_TRUE(klicken("LBpunkte", 2, 0).startsWith("3 0 "));
    lade(WYK_EXAMPLES_DIR "/haus.wyk");
    EXPECT_EQ(std::tuple(app->debugFenster(), m().debugpkt), std::tuple(nullptr, 0)) << "a load";
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
