#include "view/ansichten.h"
#include "view/interaction.h"
#include "view/projection.h"

#include <QFile>
#include <QKeySequence>
#include <QPoint>
#include <QRegularExpression>
#include <QSize>
#include <climits>
#include <gtest/gtest.h>

namespace wyk {
namespace {

// The main window's state, its zoom field's text and the redraws of the canvas.
struct Hauptfenster {
    Hauptfenster() {
        m.fenster.zoomTextSetzen = [this](const QString& text) { zoomText = text; };
        m.fenster.canvasZeigen = [this] { ++redraws; };
        EXPECT_TRUE(init(m).isDone());
        std::tie(zoomText, redraws) = std::pair(QString(), 0);
        m.rotwinkel = {0, 0.5, 0, 0.25};
        m.punkt[1] = {0, 1e5, 3e5, -2e5}; // one segment from the origin, far larger than 400
        m.linie[1] = {0, 1, 9};
        m.anzpkt = m.anzlin = 1;
        rotation2(m);
    }
    Module1 m;
    QString zoomText;
    int redraws = 0;
};

// The view the window shows: the angles, zoom, origin and the zoom field.
auto ansicht(const Hauptfenster& w) {
    return std::tuple(w.m.rotwinkel, w.m.zoomfaktor, QPoint(w.m.origx, w.m.origy), w.zoomText);
}

TEST(Ansichtstasten, OtherKeysChangeAndRedrawNothing) {
    for (const char* tasten : {"2", "0", "Alt+1", "Shift+7", "Meta+3", "Ctrl+F", "Alt+F", "G"}) {
        SCOPED_TRACE(tasten);
        Hauptfenster w;
        const QKeyCombination taste = QKeySequence(tasten)[0];
        EXPECT_FALSE(ansichtTaste(w.m, taste.key(), taste.keyboardModifiers()));
        EXPECT_EQ(ansicht(w), ansicht(Hauptfenster()));
        EXPECT_EQ(w.redraws, 0);
    }
}

// F (Shift or not) where zoom 1 is too large centres the model at zoom 1 and shows the zoom;
// with nothing drawn it changes nothing. Either way it redraws once.
TEST(Ansichtstasten, FCentresAtZoomOneOrLeavesNothingDrawnAlone) {
    Hauptfenster gross;
    EXPECT_TRUE(ansichtTaste(gross.m, Qt::Key_F, Qt::ShiftModifier));
    EXPECT_EQ(gross.m.rotwinkel, Hauptfenster().m.rotwinkel);
    EXPECT_EQ(gross.m.zoomfaktor, 1);
    const auto [x, y] = bildlage(gross.m.basis, gross.m.punkt[1]); // point 0 lies at (0, 0)
    EXPECT_NEAR(gross.m.origx, 200 - x / 2, 0.5) << "centred";
    EXPECT_NEAR(gross.m.origy, 200 - y / 2, 0.5) << "centred";
    EXPECT_EQ(gross.zoomText, "1");
    EXPECT_EQ(gross.redraws, 1);
    Hauptfenster leer;
    leer.m.anzeige.linien = false;
    EXPECT_TRUE(ansichtTaste(leer.m, Qt::Key_F, Qt::NoModifier));
    EXPECT_EQ(ansicht(leer), ansicht(Hauptfenster()));
    EXPECT_EQ(leer.redraws, 1);
}

// At the limits of int, which the windows cannot reach.
TEST(Interaction, NothingOverflows) {
    Module1 m;
    ASSERT_TRUE(init(m).isDone());
    const auto winkel = m.rotwinkel;
    mausRunter(m, INT_MIN, INT_MAX);
    mausZiehen(m, INT_MAX, INT_MIN, true);
    const double weg = 4294967295.0 / 200 * 3.14;
    EXPECT_NEAR(m.rotwinkel[3] - winkel[3], weg, 1e-9 * weg);
    EXPECT_NEAR(m.rotwinkel[1] - winkel[1], -weg, 1e-9 * weg);
    mausRad(m, INT_MIN);
    EXPECT_EQ(m.zoomfaktor, INT_MAX) << "the wheel";
    zoomRauf(m);
    EXPECT_EQ(m.zoomfaktor, INT_MAX) << "the zoom arrow";
    groesseGeaendert(m, 575, 5000); // beyond the window's limits
    zuruecksetzen(m);
    EXPECT_EQ(QSize(m.breite, m.hoehe), QSize(400, 865));
    EXPECT_EQ(QPoint(m.origx, m.origy), QPoint(200, 432));
    std::tie(m.origx, m.origy) = std::pair(INT_MAX - 5, INT_MIN + 3);
    ziehenUm(m, 10, -10, false);
    EXPECT_EQ(QPoint(m.origx, m.origy), QPoint(INT_MAX, INT_MIN));
}

QString quelle(const char* pfad) {
    QFile datei(WYK_QUELLEN_DIR "/" + QString(pfad));
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << pfad;
    return QString::fromUtf8(datei.readAll());
}

// A manual page's bold: each word or quoted text of .B, every other of .BR, the keys' escapes read.
QStringList fett(QString seite) {
    seite.replace("\\-", "-").replace("\\(:u", "ü");
    static const QRegularExpression teil(R"re("([^"]*)"|(\S+))re");
    QStringList fette;
    for (const QString& zeile : seite.split('\n')) {
        const bool br = zeile.startsWith(".BR ");
        if (!br && !zeile.startsWith(".B ")) {
            continue;
        }
        int i = 0;
        for (auto it = teil.globalMatch(zeile.mid(br ? 4 : 3)); it.hasNext(); ++i) {
            const QRegularExpressionMatch m = it.next();
            if (!br || i % 2 == 0) {
                fette << (m.hasCaptured(1) ? m.captured(1) : m.captured(2));
            }
        }
    }
    return fette;
}

// The README's section on the keyboard, its spaces simplified.
QString tastaturabschnitt() {
    const QString readme = quelle("README.md");
    const qsizetype anfang = readme.indexOf("### Keyboard,");
    return readme.mid(anfang, readme.indexOf("\n#", anfang) - anfang).simplified();
}

// The README and both manual pages name each drawing key and its drag's pixels.
TEST(Zeichnungstasten, TheHelpNamesEachKeyAndTheStep) {
    const QString man = quelle("man/wyk-viewer.1.in");
    const QString manDeutsch = quelle("man/de/wyk-viewer.1.in");
    const QString readme = tastaturabschnitt();
    for (const Zeichnungstaste& t : kZeichnungsTasten) {
        const QString englisch = t.namen.englisch;
        EXPECT_TRUE(fett(man).contains(englisch)) << englisch;
        EXPECT_TRUE(fett(manDeutsch).contains(t.namen.deutsch)) << t.namen.deutsch;
        EXPECT_TRUE(readme.contains("`" + englisch + "`")) << englisch << " set as code";
    }
    const QString ziehen = QString("drag of %1 pixels").arg(kTastenSchritt);
    EXPECT_TRUE(man.contains(ziehen));
    EXPECT_TRUE(readme.contains(ziehen));
    EXPECT_TRUE(manDeutsch.contains(QString("Ziehen um %1 Pixel").arg(kTastenSchritt)));
}

} // namespace
} // namespace wyk
