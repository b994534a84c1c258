#include "appfixture.h"
#include "support/tempdir.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace wyk::test {
namespace {

// Counts the paint events a widget receives.
class PaintZaehler : public QObject {
public:
    explicit PaintZaehler(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

class HauptfensterTest : public AppTest {
protected:
    QWidget* canvas() const { return control<QWidget>("CAhaupt"); }
    QLineEdit* zoomFeld() const { return control<QLineEdit>("EFzoom"); }

    void maus(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, p, canvas()->mapToGlobal(p), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &event);
    }
    void druecken(QPoint p) { maus(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton); }
    void ziehen(QPoint p) { maus(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
    void loslassen(QPoint p) { maus(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton); }

    void rad(int angleDeltaY) {
        const QPoint p(50, 50);
        QWheelEvent event(p, canvas()->mapToGlobal(p), QPoint(), QPoint(0, angleDeltaY),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(canvas(), &event);
    }

    void pfeil(bool auf) {
        QTest::mouseClick(control<QWidget>("UPDzoom"), Qt::LeftButton, {}, QPoint(6, auf ? 5 : 18));
    }

    // Puts text into the zoom field as a paste over the whole content would.
    void einfuegen(const QString& text) {
        zoomFeld()->selectAll();
        zoomFeld()->insert(text);
    }

    // Where a control lies in the window's content.
    QRect imInhalt(const QWidget* w) const {
        return QRect(w->mapTo(&haupt().inhalt(), QPoint(0, 0)), w->size());
    }
};

struct ControlFall {
    const char* name;
    QRect geometrie;
    const char* text;
};

TEST_F(HauptfensterTest, ControlsStandWhereTheLayoutSays) {
    const ControlFall faelle[] = {
        {"GroupBox1", {16, 15, 132, 97}, "Anzeige"},
        {"CBpunkte", {27, 37, 72, 22}, "Punkte"},
        {"CBlinien", {27, 56, 72, 22}, "Linien"},
        {"CBachsen", {27, 85, 114, 22}, "Achsen"},
        {"GroupBox2", {16, 124, 132, 159}, "Ansicht"},
        {"PushButton1", {49, 246, 68, 20}, "reset"},
        {"UPDzoom", {121, 153, 13, 23}, nullptr},
        {"EFzoom", {73, 153, 44, 22}, "10"},
        {"RBdrag0", {25, 188, 100, 20}, "rotieren"},
        {"RBdrag1", {25, 214, 100, 20}, "verschieben"},
        {"StaticText1", {25, 153, 42, 20}, "Zoom"},
        {"CAhaupt", {156, 15, 400, 400}, nullptr},
        {"PushButton2", {29, 304, 109, 20}, "WYK laden"},
        {"PushButton3", {29, 358, 109, 20}, "Debug"},
    };
    for (const ControlFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QWidget* w = control<QWidget>(fall.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(imInhalt(w), fall.geometrie);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->isEnabled());
        if (fall.text != nullptr) {
            QVariant text = w->property("title");
            if (!text.isValid()) {
                text = w->property("text");
            }
            EXPECT_EQ(text.toString(), QString::fromUtf8(fall.text));
        }
    }
    EXPECT_EQ(control<QWidget>("CBpunkte")->parentWidget()->objectName(), "GroupBox1");
    EXPECT_EQ(control<QWidget>("EFzoom")->parentWidget()->objectName(), "GroupBox2");
}

TEST_F(HauptfensterTest, FreshWindowStartsInItsInitialState) {
    EXPECT_EQ(haupt().windowTitle(), "WYK-Viewer");
    EXPECT_EQ(haupt().inhalt().size(), QSize(576, 435));
    EXPECT_FALSE(control<QCheckBox>("CBpunkte")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CBlinien")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CBachsen")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("RBdrag0")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("RBdrag1")->isChecked());
    EXPECT_EQ(zoomFeld()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(control<QLabel>("StaticText1")->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(canvas()->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(control<QWidget>("UPDzoom")->focusPolicy(), Qt::NoFocus);
    for (const char* knopf : {"PushButton1", "PushButton2", "PushButton3"}) {
        EXPECT_FALSE(control<QPushButton>(knopf)->isDefault()) << knopf;
    }
    EXPECT_EQ(m().rotwinkel[1], 0.3925);
    EXPECT_EQ(m().rotwinkel[3], -0.785);
    EXPECT_FALSE(m().zebild.isNull());
}

TEST_F(HauptfensterTest, WindowSizeStaysWithinItsLimits) {
    const QSize menue = haupt().size() - haupt().inhalt().size();
    EXPECT_EQ(haupt().minimumSize(), QSize(576, 435) + menue);
    EXPECT_EQ(haupt().maximumSize(), QSize(1600, 900) + menue);
    haupt().resize(5000, 5000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return haupt().inhalt().size() == QSize(1600, 900); }));
    EXPECT_EQ(canvas()->size(), QSize(1424, 865));
    haupt().resize(10, 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return haupt().inhalt().size() == QSize(576, 435); }));
    EXPECT_EQ(canvas()->size(), QSize(400, 400));
}

TEST_F(HauptfensterTest, ResizeKeepsCanvasAndOriginInStep) {
    haupt().resize(haupt().size() + QSize(200, 200));
    ASSERT_TRUE(QTest::qWaitFor([&] { return haupt().inhalt().size() == QSize(776, 635); }));
    EXPECT_EQ(m().breite, 600);
    EXPECT_EQ(m().hoehe, 600);
    EXPECT_EQ(m().origx, 300);
    EXPECT_EQ(m().origy, 300);
    EXPECT_EQ(imInhalt(canvas()), QRect(156, 15, 600, 600));
    EXPECT_GE(redraws, 1);
}

TEST_F(HauptfensterTest, TimerRedrawsOnceHalfASecondAfterStart) {
    auto* timer = haupt().findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 500);
    ASSERT_TRUE(timer->isActive());
    m().basis = {};
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 2000));
    EXPECT_EQ(redraws, 1);
    EXPECT_NE(m().basis[1][1], 0.0) << "the basis is rebuilt";
    QTest::qWait(600);
    EXPECT_EQ(redraws, 1) << "the timer fires only once";
}

TEST_F(HauptfensterTest, RotatingDrag) {
    const double drehung = m().rotwinkel[3];
    const double neigung = m().rotwinkel[1];
    druecken({100, 100});
    EXPECT_EQ(redraws, 0);
    ziehen({200, 100});
    EXPECT_NEAR(m().rotwinkel[3], drehung + 1.57, 1e-12);
    EXPECT_EQ(m().rotwinkel[1], neigung);
    ziehen({200, 300});
    EXPECT_NEAR(m().rotwinkel[1], neigung + 3.14, 1e-12);
    EXPECT_EQ(redraws, 2);
    loslassen({200, 300});
}

TEST_F(HauptfensterTest, ShiftingDragAfterChoosingVerschieben) {
    QTest::mouseClick(control<QRadioButton>("RBdrag1"), Qt::LeftButton);
    EXPECT_FALSE(control<QRadioButton>("RBdrag0")->isChecked());
    const auto winkel = m().rotwinkel;
    druecken({50, 60});
    ziehen({60, 55});
    EXPECT_EQ(m().origx, 210);
    EXPECT_EQ(m().origy, 195);
    EXPECT_EQ(m().rotwinkel, winkel);
    loslassen({60, 55});
}

TEST_F(HauptfensterTest, DragWithoutMovementStillRedrawsAtOnce) {
    PaintZaehler zaehler(canvas());
    druecken({80, 80});
    ziehen({80, 80});
    EXPECT_EQ(redraws, 1);
    EXPECT_GE(zaehler.paints, 1) << "painted before the handler returned";
    loslassen({80, 80});
}

TEST_F(HauptfensterTest, MovingWithoutAPressedButtonDoesNothing) {
    const auto winkel = m().rotwinkel;
    maus(QEvent::MouseMove, {300, 300}, Qt::NoButton, Qt::NoButton);
    maus(QEvent::MouseButtonPress, {10, 10}, Qt::RightButton, Qt::RightButton);
    maus(QEvent::MouseMove, {300, 300}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(m().rotwinkel, winkel);
    EXPECT_EQ(redraws, 0);
}

TEST_F(HauptfensterTest, CanvasShowsTheDrawing) {
    lade(beispiel("haus.wyk"));
    druecken({10, 10});
    ziehen({40, 25});
    const QImage gezeigt = canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(gezeigt.size(), QSize(400, 400));
    const QImage erwartet = m().zebild.copy(0, 0, 400, 400).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(gezeigt == erwartet);
    loslassen({40, 25});
}

TEST_F(HauptfensterTest, WheelNotchesChangeTheZoom) {
    struct Fall {
        int angleDelta;
        int zoom;
    };
    // A notch towards the user (negative angle delta) zooms out by one.
    const Fall faelle[] = {{-360, 7}, {600, 12}, {-2400, 1}, {120, 2}};
    for (const Fall& fall : faelle) {
        rad(fall.angleDelta);
        EXPECT_EQ(m().zoomfaktor, fall.zoom);
        EXPECT_EQ(zoomFeld()->text(), QString::number(fall.zoom));
    }
    EXPECT_EQ(redraws, 4);
}

TEST_F(HauptfensterTest, TouchpadWheelAddsUpToWholeNotches) {
    rad(50);
    rad(50);
    EXPECT_EQ(m().zoomfaktor, 10);
    EXPECT_EQ(redraws, 0);
    rad(50);
    EXPECT_EQ(m().zoomfaktor, 11);
    rad(-30); // 30 left over, minus 30
    rad(-120);
    EXPECT_EQ(m().zoomfaktor, 10);
}

TEST_F(HauptfensterTest, ArrowsChangeTheZoom) {
    pfeil(true);
    EXPECT_EQ(m().zoomfaktor, 11);
    EXPECT_EQ(zoomFeld()->text(), "11");
    pfeil(false);
    pfeil(false);
    EXPECT_EQ(m().zoomfaktor, 9);
    EXPECT_EQ(zoomFeld()->text(), "9");
    EXPECT_EQ(redraws, 3);
}

TEST_F(HauptfensterTest, ArrowDownAtOneDoesNotRedraw) {
    einfuegen(QStringLiteral("1"));
    redraws = 0;
    pfeil(false);
    EXPECT_EQ(m().zoomfaktor, 1);
    EXPECT_EQ(zoomFeld()->text(), "1");
    EXPECT_EQ(redraws, 0);
}

TEST_F(HauptfensterTest, TypingOverTheSelectedZoom) {
    zoomFeld()->selectAll();
    QTest::keyClick(zoomFeld(), '2');
    EXPECT_EQ(m().zoomfaktor, 2);
    EXPECT_EQ(redraws, 1);
    QTest::keyClick(zoomFeld(), '5');
    EXPECT_EQ(m().zoomfaktor, 25);
    EXPECT_EQ(redraws, 2);
    EXPECT_EQ(zoomFeld()->text(), "25");
}

TEST_F(HauptfensterTest, ZoomTextBelowOneShowsOne) {
    struct Fall {
        const char* name;
        Qt::Key taste; // typed over the selected text
    };
    const Fall faelle[] = {{"0", Qt::Key_0},
                           {"letter", Qt::Key_X},
                           {"minus", Qt::Key_Minus},
                           {"deleted", Qt::Key_Backspace}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        einfuegen(QStringLiteral("30"));
        zoomFeld()->selectAll();
        QTest::keyClick(zoomFeld(), fall.taste);
        EXPECT_EQ(m().zoomfaktor, 1);
        EXPECT_EQ(zoomFeld()->text(), "1");
    }
    for (const char* text : {"-4", "", "abc", "0.2"}) {
        SCOPED_TRACE(text);
        einfuegen(QStringLiteral("30"));
        einfuegen(QString::fromLatin1(text));
        EXPECT_EQ(m().zoomfaktor, 1);
        EXPECT_EQ(zoomFeld()->text(), "1");
    }
}

TEST_F(HauptfensterTest, ResetRestoresTheStartView) {
    QTest::mouseClick(control<QRadioButton>("RBdrag1"), Qt::LeftButton);
    druecken({0, 0});
    ziehen({33, -70});
    QTest::mouseClick(control<QRadioButton>("RBdrag0"), Qt::LeftButton);
    ziehen({80, 20});
    einfuegen(QStringLiteral("17"));
    redraws = 0;
    QTest::mouseClick(control<QPushButton>("PushButton1"), Qt::LeftButton);
    EXPECT_EQ(m().rotwinkel[1], 0.3925);
    EXPECT_EQ(m().rotwinkel[3], -0.785);
    EXPECT_EQ(m().origx, 200);
    EXPECT_EQ(m().origy, 200);
    EXPECT_EQ(m().zoomfaktor, 17);
    EXPECT_EQ(redraws, 1);
    loslassen({80, 20});
}

TEST_F(HauptfensterTest, CheckBoxesSwitchWhatIsDrawn) {
    lade(beispiel("haus.wyk"));
    redraws = 0;
    const auto basis = m().basis;
    for (const char* box : {"CBpunkte", "CBlinien", "CBachsen"}) {
        QTest::mouseClick(control<QCheckBox>(box), Qt::LeftButton);
    }
    EXPECT_EQ(redraws, 3);
    EXPECT_EQ(m().basis, basis);
    const auto anzeige = m().fenster.schalter();
    EXPECT_TRUE(anzeige.punkte);
    EXPECT_FALSE(anzeige.linien);
    EXPECT_FALSE(anzeige.achsen);
}

TEST_F(HauptfensterTest, LoadButtonReadsAndRedrawsAlsoWhenCancelled) {
    dialogs->answers << beispiel("dreieck.wyk");
    QTest::mouseClick(control<QPushButton>("PushButton2"), Qt::LeftButton);
    EXPECT_EQ(m().anzpkt, 3);
    EXPECT_EQ(m().anzlin, 4);
    EXPECT_EQ(m().datname, "dreieck.wyk");
    EXPECT_EQ(redraws, 1);
    QTest::mouseClick(control<QPushButton>("PushButton2"), Qt::LeftButton);
    EXPECT_EQ(dialogs->opened, 2);
    EXPECT_EQ(m().datname, "dreieck.wyk");
    EXPECT_EQ(redraws, 2);
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(HauptfensterTest, FailedLoadIsReportedAndKeepsTheModel) {
    lade(beispiel("haus.wyk"));
    TempDir dir;
    const QString kaputt = dir.write(QStringLiteral("gross.wyk"), "5000\n");
    for (const QString& path : {dir.path(QStringLiteral("fehlt.wyk")), kaputt}) {
        lade(path);
        EXPECT_EQ(m().datname, "haus.wyk");
        EXPECT_EQ(m().anzpkt, 10);
    }
    ASSERT_EQ(meldungen.size(), 2);
    EXPECT_TRUE(meldungen[0].contains(QStringLiteral("fehlt.wyk"))) << meldungen[0].toStdString();
    EXPECT_TRUE(meldungen[1].contains(QStringLiteral("gross.wyk"))) << meldungen[1].toStdString();
}

TEST_F(HauptfensterTest, DroppedModelFileIsLoaded) {
    QMimeData daten;
    daten.setUrls({QUrl::fromLocalFile(beispiel("wuerfel.wyk"))});
    QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&haupt(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&haupt(), &drop);
    EXPECT_EQ(m().datname, "wuerfel.wyk");
    EXPECT_EQ(redraws, 1);
}

} // namespace
} // namespace wyk::test
