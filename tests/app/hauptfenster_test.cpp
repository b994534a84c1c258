#include "app/bildkopie.h"
#include "appfixture.h"

#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <cstdint>
#include <string_view>

namespace wyk::test {
namespace {

// Counts the paint events of the widgets it filters.
struct PaintZaehler : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

class HauptfensterTest : public AppTest {
protected:
    QWidget* canvas() const { return control("CAhaupt"); }
    QLineEdit* zoomFeld() const { return control<QLineEdit>("EFzoom"); }

    void maus(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, p, canvas()->mapToGlobal(p), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &event);
    }
    void ziehen(QPoint von, QPoint nach) {
        maus(QEvent::MouseButtonPress, von, Qt::LeftButton, Qt::LeftButton);
        maus(QEvent::MouseMove, nach, Qt::NoButton, Qt::LeftButton);
    }
    void rad(int angleDeltaY) {
        QWheelEvent event({50, 50}, canvas()->mapToGlobal(QPointF(50, 50)), {}, {0, angleDeltaY},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(canvas(), &event);
    }
    void pfeil(bool auf) {
        QTest::mouseClick(control("UPDzoom"), Qt::LeftButton, {}, QPoint(6, auf ? 5 : 18));
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
};

TEST_F(HauptfensterTest, FreshWindowShowsItsControlsInTheirStartState) {
    EXPECT_EQ(haupt().windowTitle(), "WYK-Viewer");
    EXPECT_FALSE(haupt().windowIcon().isNull());
    EXPECT_EQ(haupt().inhalt().size(), QSize(576, 435));
    pruefeTeile(haupt().inhalt(),
                {"GroupBox1 16 15 132 97 Anzeige", "CBpunkte 27 37 72 22 Punkte aus",
                 "CBlinien 27 56 72 22 Linien an", "CBachsen 27 85 114 22 Achsen an",
                 "GroupBox2 16 124 132 159 Ansicht", "PushButton1 49 246 68 20 reset",
                 "UPDzoom 121 153 13 23", "EFzoom 73 153 44 22 10",
                 "RBdrag0 25 188 100 20 rotieren an", "RBdrag1 25 214 100 20 verschieben aus",
                 "StaticText1 25 153 42 20 Zoom", "CAhaupt 156 15 400 400",
                 "PushButton2 29 304 109 20 WYK laden", "PushButton3 29 358 109 20 Debug"});
    EXPECT_EQ(std::pair(canvas()->focusPolicy(), control("UPDzoom")->focusPolicy()),
              std::pair(Qt::NoFocus, Qt::NoFocus));
}

// A held arrow steps at once, again after 400 ms and then every 60 ms until it is let go.
TEST_F(HauptfensterTest, HeldZoomArrowRepeatsUntilReleased) {
    QTest::mousePress(control("UPDzoom"), Qt::LeftButton, {}, QPoint(6, 5));
    QTest::qWait(800);
    QTest::mouseRelease(control("UPDzoom"), Qt::LeftButton, {}, QPoint(6, 5));
    const int gehalten = m().zoomfaktor;
    EXPECT_GE(gehalten, 14);
    QTest::qWait(200);
    EXPECT_EQ(m().zoomfaktor, gehalten);
}

TEST_F(HauptfensterTest, ResizeKeepsCanvasAndOriginInStepWithinTheLimits) {
    const QSize menue = haupt().size() - haupt().inhalt().size();
    EXPECT_EQ(haupt().minimumSize(), QSize(576, 435) + menue);
    EXPECT_EQ(haupt().maximumSize(), QSize(1600, 900) + menue);
    struct Fall {
        QSize gewuenscht, inhalt;
        QPoint origin;
    };
    for (const Fall& fall :
         {Fall{{776, 635}, {776, 635}, {300, 300}}, Fall{{5000, 5000}, {1600, 900}, {712, 432}},
          Fall{{10, 10}, {576, 435}, {200, 199}}}) {
        redraws = 0;
        haupt().resize(fall.gewuenscht + menue);
        ASSERT_TRUE(QTest::qWaitFor([&] { return haupt().inhalt().size() == fall.inhalt; }));
        const QRect zeichnung(156, 15, m().breite, m().hoehe);
        EXPECT_EQ(zeichnung.size(), fall.inhalt - QSize(176, 35));
        EXPECT_EQ(QRect(canvas()->mapTo(&haupt().inhalt(), QPoint()), canvas()->size()), zeichnung);
        EXPECT_EQ(QPoint(m().origx, m().origy), fall.origin);
        EXPECT_GE(redraws, 1);
    }
}

TEST_F(HauptfensterTest, TimerRedrawsOnceHalfASecondAfterStart) {
    auto* timer = haupt().findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isSingleShot() && timer->isActive() && timer->interval() == 500);
    m().basis = {};
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 2000));
    EXPECT_NE(m().basis[1][1], 0.0) << "the basis is rebuilt";
    QTest::qWait(600);
    EXPECT_EQ(redraws, 1);
}

TEST_F(HauptfensterTest, DragsRotateOrShiftAndRepaintAtOnceAndResetRestoresTheView) {
    struct Fall {
        const char* modus;
        QPoint von, nach;
        double drehung, neigung;
        QPoint origin;
    };
    const Fall faelle[] = {{"RBdrag0", {100, 100}, {200, 100}, 1.57, 0.0, {200, 200}},
                           {"RBdrag0", {200, 100}, {200, 300}, 0.0, 3.14, {200, 200}},
                           {"RBdrag1", {50, 60}, {60, 55}, 0.0, 0.0, {210, 195}},
                           {"RBdrag1", {80, 80}, {80, 80}, 0.0, 0.0, {210, 195}}};
    lade(beispiel("haus.wyk"));
    PaintZaehler zaehler;
    canvas()->installEventFilter(&zaehler);
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(::testing::Message() << fall.modus << " to " << fall.nach.x());
        klick(control(fall.modus));
        const auto winkel = m().rotwinkel;
        redraws = zaehler.paints = 0;
        ziehen(fall.von, fall.nach);
        EXPECT_NEAR(m().rotwinkel[3], winkel[3] + fall.drehung, 1e-12);
        EXPECT_NEAR(m().rotwinkel[1], winkel[1] + fall.neigung, 1e-12);
        EXPECT_EQ(QPoint(m().origx, m().origy), fall.origin);
        EXPECT_EQ(redraws, 1) << "the press alone does not redraw";
        EXPECT_GE(zaehler.paints, 1) << "painted before the handler returned";
    }
    for (const QRect teil : {QRect(0, 0, 400, 400), QRect(50, 60, 200, 150)}) { // whole, in part
        const QImage gezeigt = canvas()->grab(teil).toImage();
        EXPECT_TRUE(gezeigt.convertToFormat(QImage::Format_RGB32) ==
                    m().zebild.copy(teil).convertToFormat(QImage::Format_RGB32));
    }
    // Neither a move without a button nor a right-button drag does anything.
    maus(QEvent::MouseMove, {300, 300}, Qt::NoButton, Qt::NoButton);
    maus(QEvent::MouseButtonPress, {10, 10}, Qt::RightButton, Qt::RightButton);
    maus(QEvent::MouseMove, {300, 300}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(redraws, 1);
    maus(QEvent::MouseMove, {90, 80}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(QPoint(m().origx, m().origy), QPoint(220, 195)) << "shifted from the left press";
    einfuegen("17");
    redraws = 0;
    klick(control("PushButton1"));
    EXPECT_EQ(std::pair(m().rotwinkel[1], m().rotwinkel[3]), std::pair(0.3925, -0.785));
    EXPECT_EQ(QPoint(m().origx, m().origy), QPoint(200, 200));
    EXPECT_EQ(zoom(), "17 17 1");
}

// Each step as the user takes it: "rad" turns the wheel by an angle (a notch is 120, towards
// the user zooms out), "pfeil" clicks an arrow, "feld" pastes over the zoom field's text,
// "alles" selects that text and "taste" types a key. Then "zoom factor, field text, redraws".
TEST_F(HauptfensterTest, WheelArrowsAndZoomFieldChangeTheZoom) {
    const std::array<const char*, 3> schritte[] = {
        {"rad", "-360", "7 7 1"},  {"feld", "10", "10 10 1"},
        {"rad", "600", "15 15 1"}, {"rad", "-2400", "1 1 1"},
        {"rad", "50", "1 1 0"},    {"rad", "50", "1 1 0"},
        {"rad", "50", "2 2 1"},    {"rad", "-30", "2 2 0"},
        {"rad", "-120", "1 1 1"},  {"pfeil", "ab", "1 1 0"},
        {"pfeil", "auf", "2 2 1"}, {"pfeil", "ab", "1 1 1"},
        {"alles", "", "1 1 0"},    {"taste", "2", "2 2 1"},
        {"taste", "5", "25 25 1"}, {"feld", "0", "1 1 1"},
        {"feld", "x", "1 1 1"},    {"feld", "30", "30 30 1"},
        {"feld", "-4", "1 1 1"},   {"feld", "30", "30 30 1"},
        {"feld", "", "1 1 1"},     {"feld", "99999999999", "2147483647 99999999999 1"},
    };
    for (const auto& [was, wert, erwartet] : schritte) {
        const std::string_view schritt = was;
        if (schritt == "rad") {
            rad(std::atoi(wert));
        } else if (schritt == "pfeil") {
            pfeil(std::string_view(wert) == "auf");
        } else if (schritt == "alles") {
            zoomFeld()->selectAll();
        } else if (schritt == "taste") {
            QTest::keyClick(zoomFeld(), wert[0]);
        } else {
            einfuegen(wert);
        }
        EXPECT_EQ(zoom(), erwartet) << was << ' ' << wert;
    }
}

TEST_F(HauptfensterTest, CheckBoxesSwitchWhatIsDrawnAndRedraw) {
    klick(control("CBpunkte"));
    klick(control("CBachsen"));
    EXPECT_EQ(redraws, 2);
    const Anzeige anzeige = m().fenster.schalter();
    EXPECT_EQ(std::tuple(anzeige.punkte, anzeige.linien, anzeige.achsen),
              std::tuple(true, true, false));
}

TEST_F(HauptfensterTest, LoadButtonShortcutAndDropLoadAndRedraw) {
    dialogs->answers << beispiel("dreieck.wyk") << QString() << beispiel("haus.wyk");
    klick(control("PushButton2"));
    EXPECT_EQ(std::tuple(m().datname, m().anzpkt, m().anzlin), std::tuple("dreieck.wyk", 3, 4));
    klick(control("PushButton2")); // cancelled: still redraws
    EXPECT_EQ(m().datname, "dreieck.wyk");
    QTest::keyClick(&haupt(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m().datname, "haus.wyk");
    EXPECT_EQ(redraws, 3);
    QMimeData daten;
    daten.setUrls({QUrl::fromLocalFile(beispiel("wuerfel.wyk"))});
    QDragEnterEvent enter({300, 200}, Qt::CopyAction, &daten, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&haupt(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop({300, 200}, Qt::CopyAction, &daten, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&haupt(), &drop);
    EXPECT_EQ(m().datname, "wuerfel.wyk");
    EXPECT_EQ(redraws, 4);
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST(Bildkopie, CopiesThePartIntoTheTopLeftCornerAsQtConvertsIt) {
    QImage bild(256, 256, QImage::Format_RGB16); // every colour, rows without padding
    for (int farbe = 0; farbe < 65536; ++farbe) {
        reinterpret_cast<std::uint16_t*>(bild.bits())[farbe] = static_cast<std::uint16_t>(farbe);
    }
    QImage ziel(1, 1, QImage::Format_ARGB32); // a buffer of the wrong kind is made anew
    // Then it grows in width only, in both directions, and is large enough.
    for (const QRect& teil :
         {QRect(17, 3, 40, 90), QRect(0, 7, 200, 10), bild.rect(), QRect(255, 255, 1, 1)}) {
        SCOPED_TRACE(::testing::Message() << teil.x() << "," << teil.y());
        alsRgb32(bild, teil, ziel);
        ASSERT_TRUE(ziel.width() >= teil.width() && ziel.height() >= teil.height());
        EXPECT_TRUE(ziel.copy(QRect(QPoint(0, 0), teil.size())) ==
                    bild.copy(teil).convertToFormat(QImage::Format_RGB32));
    }
}

} // namespace
} // namespace wyk::test
