#include "cli/start.h"
#include "export/picture.h"
#include "model/reader.h"
#include "support/tempdir.h"
#include "view/einpassen.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace wyk {
namespace {

const QString kHaus = QStringLiteral(WYK_EXAMPLES_DIR "/haus.wyk");

TEST(Kommandozeile, PlanFollowsTheCommandLine) {
    // The arguments, the mode, and the model named, or for a wrong call a part of the message.
    const std::tuple<QStringList, Modus, QString> faelle[] = {
        {{"h.wyk"}, Modus::Fenster, "h.wyk"},
        {{"file:///tmp/Haus%202%C3%A4.wyk"}, Modus::Fenster, "/tmp/Haus 2ä.wyk"},
        {{"file://localhost/a%25.wyk"}, Modus::Fenster, "/a%.wyk"},
        {{"https://x.de/h.wyk"}, Modus::Fehler, "„https://x.de/h.wyk“ ist keine lokale Datei"},
        {{"file://rechner/h.wyk"}, Modus::Fehler, "keine lokale Datei"},
        {{"-export-picture=a.svg", "h.wyk"}, Modus::Export, "h.wyk"},
        {{"a.wyk", "b.wyk"}, Modus::Fehler, "nur eine Modelldatei"},
        {{"--zoom", "2", "h.wyk"}, Modus::Fehler, "--zoom gilt nur"},
        {{"--export-png", "a", "--turn", "abc", "h"}, Modus::Fehler, "„abc“ von --turn"},
        {{"--export-png", "a", "--tilt", "inf", "h"}, Modus::Fehler, "„inf“ von --tilt"},
        {{"--export-png", "a", "--size", "10x", "h"}, Modus::Fehler, "„10x“ von --size"},
        {{"--export-png", "a", "--size", "400x866", "h"}, Modus::Fehler, "„400x866“"},
        {{"--export-png", "a", "--fit", "--zoom", "2", "h"}, Modus::Fehler, "nicht zusammen"},
        {{"--export-png", "a", "--scale", "4.01", "h"}, Modus::Fehler, "„4.01“ von --scale"},
        {{"--export-png", "a.HTM", "--scale", "2", "h"}, Modus::Fehler, "nicht für die Webseite"},
        {{"--export-thumbnail", "t", "--thumbnail-size", "15", "h"}, Modus::Fehler, "„15“ von"},
        {{"--export-thumbnail", "t", "--thumbnail-size", "4097", "h"}, Modus::Fehler, "„4097“"},
        {{"--thumbnail-size", "64", "--export-png", "a", "h"}, Modus::Fehler, "--thumbnail-size"},
        {{"--export-off", "", "h.wyk"}, Modus::Fehler, "Ausgabedatei ist leer"},
        {{"--export-png", "a", "--view", "vorn", "h"}, Modus::Fehler, "„vorn“ von --view"},
        {{"--export-png", "a", "--view", "top", "--turn", "1", "h"}, Modus::Fehler, "mit --turn"},
        {{"--export-png", "a", "--tilt", "0", "--view", "front", "h"}, Modus::Fehler, "--tilt"},
        {{"--export-png", "a.gif", "--frames", "1", "h"}, Modus::Fehler, "„1“ von --frames"},
        {{"--export-png", "a.gif", "--frames", "361", "h"}, Modus::Fehler, "„361“ von --frames"},
        {{"--export-png", "a.gif", "--frame-time", "19", "h"}, Modus::Fehler, "„19“ von --frame"},
        {{"--export-png", "a.gif", "--frame-time", "10001", "h"}, Modus::Fehler, "„10001“ von"},
        {{"--export-png", "a.png", "--frames", "12", "h"}, Modus::Fehler, "nur für eine GIF"},
        {{"--export-png", "a.svg", "--frame-time", "50", "h"}, Modus::Fehler, "nur für eine GIF"},
        {{"--view", "top", "h"}, Modus::Fehler, "--view gilt nur"},
        {{"--export-off", "a.off", "--frames", "3", "h"}, Modus::Fehler, "--frames gilt nur"},
        {{"--export-png", "a.GIF", "--view", "Right", "--frames", "360", "--frame-time", "20",
          "h.wyk"},
         Modus::Export,
         "h.wyk"},
        {{"--export-png", "a", "--scale", "4", "--size", "1424x865", "--zoom", "1", "h"},
         Modus::Export,
         "h"}};
    for (const auto& [argumente, modus, genannt] : faelle) {
        SCOPED_TRACE(argumente.join(' ').toStdString());
        const Plan plan = planAus(QStringList{"wyk-viewer"} + argumente);
        EXPECT_EQ(plan.modus, modus);
        if (modus == Modus::Fehler) {
            EXPECT_TRUE(plan.fehler.contains(genannt)) << qPrintable(plan.fehler);
        } else {
            EXPECT_EQ(plan.modell, genannt);
        }
    }
}

// --points --no-lines draws what the windows draw with those boxes.
TEST(Kommandozeile, ViewOptionsDrawLikeTheWindows) {
    test::TempDir dir;
    const QStringList argumente{"wyk-viewer", "--export-picture", dir.path("b.png"), kHaus};
    ASSERT_EQ(ohneFenster(planAus(argumente + QStringList{"--points", "--no-lines"})), 0);
    const auto m = std::make_unique<Module1>();
    ASSERT_TRUE(ladeDatei(*m, kHaus).isDone());
    ASSERT_TRUE(init(*m).isDone());
    m->anzeige = {true, false, true};
    rotation2(*m);
    ASSERT_TRUE(schreibeBild(*m, dir.path("r.png")).isDone());
    EXPECT_EQ(QImage(dir.path("b.png")), QImage(dir.path("r.png")));
}

// A fitted picture shows what is drawn whole and centred inside the margin of 1/32 of its
// shorter side, and out to the margin on one axis: the pen's invisible moves do not count, and
// every point's disc does when points are shown.
TEST(Kommandozeile, FitTouchesTheMarginWithWhatIsDrawn) {
    const QByteArray unsichtbar = "3\n0 0 0\n1 1 1\n3 3 3\n3\n1 0\n2 9\n3 0\n";
    // The last point just beyond the others: a fitting without it draws it in the margin.
    const QByteArray punkte = "3\n0 0 0\n1 1 1\n1.02 1.02 1.02\n0\n";
    // The case, the model and further options.
    const std::tuple<const char*, QByteArray, QStringList> faelle[] = {
        {"a segment between invisible moves", unsichtbar, {}},
        {"points", punkte, {"--points", "--size", "600x400"}}};
    test::TempDir dir;
    for (const auto& [fall, modell, optionen] : faelle) {
        SCOPED_TRACE(fall);
        const QString datei = dir.write("m.wyk", modell);
        const QStringList argumente{"wyk-viewer", "--export-picture", dir.path("b.png"),
                                    "--fit",      "--no-axes",        datei};
        ASSERT_EQ(ohneFenster(planAus(argumente + optionen)), 0);
        const QImage bild(dir.path("b.png"));
        const int rand = std::max(1, std::min(bild.width(), bild.height()) / 32);
        EXPECT_TRUE(ganzUndMittig(bild, rand, 2));
        const QSize frei = bild.size() - bemalt(bild).size() - QSize(2 * rand, 2 * rand);
        EXPECT_LE(std::min(frei.width(), frei.height()), 4) << "pixels free beyond the margin";
    }
}

// The window's drawing of the model's segments in the start view, fitted to groesse pixels.
QImage startansicht(const QString& modell, int groesse) {
    Module1 m;
    EXPECT_TRUE(init(m).isDone());
    EXPECT_TRUE(ladeDatei(m, modell).isDone());
    m.anzeige = {false, true, false};
    std::tie(m.breite, m.hoehe) = std::tuple(groesse, groesse);
    einpassungAnwenden(m, einpassen(m, m.anzeige, false).value());
    zeichnen(m);
    return m.zebild.copy(0, 0, groesse, groesse).convertToFormat(QImage::Format_RGB32);
}

// A preview is the start view's segments, fitted, at every size.
TEST(Vorschau, IsTheStartViewsSegmentsFitted) {
    test::TempDir dir;
    for (const QString modell : {"dreieck", "farben", "haus", "wuerfel"}) {
        for (const int groesse : {16, 100, 1024}) {
            SCOPED_TRACE(QStringLiteral("%1 at %2").arg(modell).arg(groesse).toStdString());
            const QString datei = WYK_EXAMPLES_DIR "/" + modell + ".wyk";
            const QStringList argumente{
                "wyk-viewer",       "--export-thumbnail",     dir.path("v.png"),
                "--thumbnail-size", QString::number(groesse), datei};
            ASSERT_EQ(ohneFenster(planAus(argumente)), 0);
            const QImage bild = QImage(dir.path("v.png"), "png");
            EXPECT_EQ(bild.convertToFormat(QImage::Format_RGB32), startansicht(datei, groesse));
        }
    }
}

} // namespace
} // namespace wyk
