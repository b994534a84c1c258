#include "cli/start.h"
#include "support/tempdir.h"
#include "support/vorlage.h"

#include <gtest/gtest.h>

namespace wyk {
namespace {

const QString kHaus = QStringLiteral(WYK_EXAMPLES_DIR "/haus.wyk");

// Calls the command line takes: the mode and the model named.
TEST(Kommandozeile, TakesModelsAndExportsAsPlanned) {
    struct Fall {
        QStringList argumente;
        Modus modus;
        QString modell;
    };
    const Fall faelle[] = {
        {{"h.wyk"}, Modus::Fenster, "h.wyk"},
        {{"file:///tmp/Haus%202%C3%A4.wyk"}, Modus::Fenster, "/tmp/Haus 2ä.wyk"},
        {{"file://localhost/a%25.wyk"}, Modus::Fenster, "/a%.wyk"},
        {{"FILE:///H%C3%A4.wyk"}, Modus::Fenster, "/Hä.wyk"},
        {{"-export-picture=a.svg", "h.wyk"}, Modus::Export, "h.wyk"},
        {{"--export-png", "a.GIF", "--view", "Right", "--frames", "360", "--frame-time", "20",
          "h.wyk"},
         Modus::Export,
         "h.wyk"},
        {{"--export-png", "a", "--scale", "4", "--size", "1424x865", "--zoom", "1", "h"},
         Modus::Export,
         "h"}};
    for (const auto& [argumente, modus, modell] : faelle) {
        SCOPED_TRACE(argumente.join(' ').toStdString());
        const Plan plan = planAus(QStringList{"wyk-viewer"} + argumente);
        EXPECT_EQ(plan.modus, modus);
        EXPECT_EQ(plan.modell, modell);
    }
}

// Calls refused, and a part of the message that says why.
TEST(Kommandozeile, RefusesWrongCallsSayingWhy) {
    struct Fall {
        QStringList argumente;
        QString grund;
    };
    const Fall faelle[] = {
        {{"https://x.de/h.wyk"}, "„https://x.de/h.wyk“ ist keine lokale Datei"},
        {{"file://rechner/h.wyk"}, "keine lokale Datei"},
        {{"File://rechner/h.wyk"}, "keine lokale Datei"},
        {{"file:///h.wyk%00.x"}, "Nullzeichen (%00)"},
        {{"a.wyk", "b.wyk"}, "nur eine Modelldatei"},
        {{"--zoom", "2", "h.wyk"}, "--zoom gilt nur"},
        {{"--export-png", "a", "--turn", "abc", "h"}, "„abc“ von --turn"},
        {{"--export-png", "a", "--tilt", "inf", "h"}, "„inf“ von --tilt"},
        {{"--export-png", "a", "--size", "10x", "h"}, "„10x“ von --size"},
        {{"--export-png", "a", "--size", "400x866", "h"}, "„400x866“"},
        {{"--export-png", "a", "--fit", "--zoom", "2", "h"}, "nicht zusammen"},
        {{"--export-png", "a", "--scale", "4.01", "h"}, "„4.01“ von --scale"},
        {{"--export-png", "a", "--scale", "0.5", "h"}, "„0.5“ von --scale"},
        {{"--export-png", "a.HTM", "--scale", "2", "h"}, "nicht für die Webseite"},
        {{"--export-thumbnail", "t", "--thumbnail-size", "15", "h"}, "„15“ von"},
        {{"--export-thumbnail", "t", "--thumbnail-size", "4097", "h"}, "„4097“"},
        {{"--thumbnail-size", "64", "--export-png", "a", "h"}, "--thumbnail-size"},
        {{"--export-off", "", "h.wyk"}, "Ausgabedatei ist leer"},
        {{"--export-png", "a", "--view", "vorn", "h"}, "„vorn“ von --view"},
        {{"--export-png", "a", "--view", "top", "--turn", "1", "h"}, "mit --turn"},
        {{"--export-png", "a", "--tilt", "0", "--view", "front", "h"}, "--tilt"},
        {{"--export-png", "a.gif", "--frames", "1", "h"}, "„1“ von --frames"},
        {{"--export-png", "a.gif", "--frames", "361", "h"}, "„361“ von --frames"},
        {{"--export-png", "a.gif", "--frame-time", "19", "h"}, "„19“ von --frame"},
        {{"--export-png", "a.gif", "--frame-time", "10001", "h"}, "„10001“ von"},
        {{"--export-png", "a.png", "--frames", "12", "h"}, "nur für eine GIF"},
        {{"--export-png", "a.svg", "--frame-time", "50", "h"}, "nur für eine GIF"},
        {{"--view", "top", "h"}, "--view gilt nur"},
        {{"--export-off", "a.off", "--frames", "3", "h"}, "--frames gilt nur"},
        {{"--mark-move", "2", "h"}, "--mark-move gilt nur"},
        {{"--export-png", "a", "--mark-point", "0", "h"}, "„0“ von"},
        {{"--export-png", "a", "--mark-move", "3001", "h"}, "„3001“"},
        {{"--export-png", "a", "--measure-to", "3", "h"}, "nur zusammen"},
        {{"--export-png", "a", "--mark-point", "3", "--measure-to", "3", "h"}, "anderen Punkt"}};
    for (const auto& [argumente, grund] : faelle) {
        SCOPED_TRACE(argumente.join(' ').toStdString());
        const Plan plan = planAus(QStringList{"wyk-viewer"} + argumente);
        EXPECT_EQ(plan.modus, Modus::Fehler);
        EXPECT_TRUE(plan.fehler.contains(grund)) << qPrintable(plan.fehler);
    }
}

// What the command line draws: --points and --no-lines as the windows' boxes; a fitting that
// touches the margin of 1/32 with what is drawn, counting no invisible move of the pen and every
// point's disc, the last just beyond the others; a preview of the start view's segments,
// fitted, at every size.
TEST(Kommandozeile, DrawsWhatIsStored) {
    test::TempDir dir;
    const QString unsichtbar = dir.write("u.wyk", "3\n0 0 0\n1 1 1\n3 3 3\n3\n1 0\n2 9\n3 0\n");
    const QString punkte = dir.write("p.wyk", "3\n0 0 0\n1 1 1\n1.02 1.02 1.02\n0\n");
    const QStringList einpassen{"--fit", "--no-axes"};
    // The stored picture, the export and what follows its file's name.
    QList<std::tuple<QString, QString, QStringList>> faelle = {
        {"haus-punkte-ohne-linien", "--export-picture", {"--points", "--no-lines", kHaus}},
        {"einpassen-unsichtbar", "--export-picture", einpassen + QStringList{unsichtbar}},
        {"einpassen-punkte", "--export-picture",
         einpassen + QStringList{"--points", "--size", "600x400", punkte}}};
    for (const QString modell : {"dreieck", "farben", "haus", "wuerfel"}) {
        for (const QString groesse : {"16", "100", "1024"}) {
            const QStringList optionen{"--thumbnail-size", groesse,
                                       WYK_EXAMPLES_DIR "/" + modell + ".wyk"};
            faelle << std::tuple("vorschau-" + modell + groesse, "--export-thumbnail", optionen);
        }
    }
    for (const auto& [name, export_, optionen] : faelle) {
        SCOPED_TRACE(name.toStdString());
        const QString datei = dir.path(name + ".png");
        ASSERT_EQ(ohneFenster(planAus(QStringList{"wyk-viewer", export_, datei} + optionen)), 0);
        test::wieVorlage(name, QImage(datei));
    }
}

} // namespace
} // namespace wyk
