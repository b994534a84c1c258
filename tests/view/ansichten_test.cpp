#include "view/ansichten.h"
#include "view/interaction.h"
#include "view/projection.h"

#include <QFile>
#include <QPoint>
#include <QRegularExpression>
#include <QSize>
#include <climits>
#include <gtest/gtest.h>

namespace wyk {
namespace {

// The main window's state, with the zoom field's text and the redraws that reach the canvas.
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

// Keys the drawing does not take change nothing and redraw nothing. F where even zoom 1 is too
// large centres the model at zoom 1; where nothing is drawn it changes nothing. Either way it
// redraws once; the zoom field shows a new zoom.
TEST(Ansichtstasten, OnlyTheirKeysActAndFCentresAtZoomOneOrLeavesAnEmptyDrawingAlone) {
    // the key, its modifiers, lines drawn, taken, then zoom and zoom field
    const std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers, bool, bool, int, QString>
        faelle[] = {{"2", Qt::Key_2, Qt::NoModifier, true, false, 10, ""},
                    {"0", Qt::Key_0, Qt::NoModifier, true, false, 10, ""},
                    {"Alt+1", Qt::Key_1, Qt::AltModifier, true, false, 10, ""},
                    {"Shift+7", Qt::Key_7, Qt::ShiftModifier, true, false, 10, ""},
                    {"Meta+3", Qt::Key_3, Qt::MetaModifier, true, false, 10, ""},
                    {"Ctrl+F", Qt::Key_F, Qt::ControlModifier, true, false, 10, ""},
                    {"Alt+F", Qt::Key_F, Qt::AltModifier, true, false, 10, ""},
                    {"G", Qt::Key_G, Qt::NoModifier, true, false, 10, ""},
                    {"Shift+F, too large", Qt::Key_F, Qt::ShiftModifier, true, true, 1, "1"},
                    {"F, nothing drawn", Qt::Key_F, Qt::NoModifier, false, true, 10, ""}};
    for (const auto& [name, taste, mods, linien, genommen, zoom, zoomText] : faelle) {
        Hauptfenster w;
        w.m.anzeige.linien = linien;
        EXPECT_EQ(ansichtTaste(w.m, taste, mods), genommen) << name;
        EXPECT_EQ(w.m.rotwinkel, Hauptfenster().m.rotwinkel) << name;
        EXPECT_EQ(w.m.zoomfaktor, zoom) << name;
        EXPECT_EQ(w.zoomText, zoomText) << name;
        EXPECT_EQ(w.redraws, genommen ? 1 : 0) << name;
        const auto [x, y] = bildlage(w.m.basis, w.m.punkt[1]); // point 0 lies at (0, 0)
        const bool mitte = zoom == 1;                          // else the origin stays
        EXPECT_LE(std::abs(w.m.origx - (mitte ? 200 - x / 2 : 200)), 0.5) << name;
        EXPECT_LE(std::abs(w.m.origy - (mitte ? 200 - y / 2 : 200)), 0.5) << name;
    }
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
    mausRad(m, INT_MIN);
    EXPECT_EQ(m.zoomfaktor, INT_MAX) << "the wheel";
    zoomRauf(m);
    EXPECT_EQ(m.zoomfaktor, INT_MAX) << "the zoom arrow";
    groesseGeaendert(m, 575, 5000); // beyond the window's limits, as a window manager may allow
    zuruecksetzen(m);
    EXPECT_EQ(QSize(m.breite, m.hoehe), QSize(400, 865));
    EXPECT_EQ(QPoint(m.origx, m.origy), QPoint(200, 432));
    std::tie(m.origx, m.origy) = std::pair(INT_MAX - 5, INT_MIN + 3);
    ziehenUm(m, 10, -10, false);
    EXPECT_EQ(QPoint(m.origx, m.origy), QPoint(INT_MAX, INT_MIN));
}

// A file of the sources as text.
QString quelle(const char* pfad) {
    QFile datei(QStringLiteral(WYK_QUELLEN_DIR "/") + QLatin1String(pfad));
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << pfad;
    return QString::fromUtf8(datei.readAll());
}

// What a manual page sets in bold: each word or quoted text of a .B line, every other of a .BR
// line, with the escapes that the pages' keys use read.
QStringList fett(QString seite) {
    seite.replace(QLatin1String("\\-"), QLatin1String("-"));
    seite.replace(QLatin1String("\\(:u"), QStringLiteral("ü"));
    static const QRegularExpression teil(QStringLiteral(R"re("([^"]*)"|(\S+))re"));
    QStringList fette;
    for (const QString& zeile : seite.split(QLatin1Char('\n'))) {
        const bool br = zeile.startsWith(QLatin1String(".BR "));
        if (!br && !zeile.startsWith(QLatin1String(".B "))) {
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

// The README's section on the keyboard: its text and the names it sets as code.
struct Tastaturabschnitt {
    Tastaturabschnitt() {
        const QString readme = quelle("README.md");
        const qsizetype anfang = readme.indexOf(QLatin1String("### Keyboard,"));
        text = readme.mid(anfang, readme.indexOf(QLatin1String("\n#"), anfang) - anfang);
        static const QRegularExpression code(QStringLiteral("`([^`]+)`"));
        for (auto it = code.globalMatch(text); it.hasNext();) {
            namen << it.next().captured(1);
        }
        text = text.simplified();
    }
    QString text;
    QStringList namen;
};

// The README and both manual pages name each key of the drawing and the pixels of its drag.
TEST(Zeichnungstasten, TheHelpNamesEachKeyAndTheArrowsStep) {
    const QStringList englisch = fett(quelle("man/wyk-viewer.1.in"));
    const QStringList deutsch = fett(quelle("man/de/wyk-viewer.1.in"));
    const Tastaturabschnitt readme;
    for (const Zeichnungstaste& t : kZeichnungsTasten) {
        EXPECT_TRUE(englisch.contains(QString::fromUtf8(t.namen.englisch))) << t.namen.englisch;
        EXPECT_TRUE(deutsch.contains(QString::fromUtf8(t.namen.deutsch))) << t.namen.deutsch;
        EXPECT_TRUE(readme.namen.contains(QString::fromUtf8(t.namen.englisch)))
            << t.namen.englisch;
    }
    const QString schritt = QString::number(kTastenSchritt);
    EXPECT_TRUE(quelle("man/wyk-viewer.1.in").contains("drag of " + schritt + " pixels"));
    EXPECT_TRUE(quelle("man/de/wyk-viewer.1.in").contains("Ziehen um " + schritt + " Pixel"));
    EXPECT_TRUE(readme.text.contains("drag of " + schritt + " pixels"));
}

} // namespace
} // namespace wyk
