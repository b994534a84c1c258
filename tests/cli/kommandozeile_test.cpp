#include "cli/start.h"
#include "support/tempdir.h"
#include "support/vorlage.h"

#include <gtest/gtest.h>

namespace wyk {
namespace {

// An export of the model "h" to the file, with the options.
QStringList bild(const QStringList& optionen, const QString& datei = "a") {
    return QStringList{"--export-png", datei} + optionen + QStringList{"h"};
}

QStringList vorschau(const QString& groesse) {
    return {"--export-thumbnail", "t", "--thumbnail-size", groesse, "h"};
}

Plan planMit(const QStringList& argumente) {
    return planAus(QStringList{"wyk-viewer"} + argumente);
}

// The mode and the model named.
TEST(Kommandozeile, PlansTheCallsItTakes) {
    using enum Modus;
    const std::tuple<QStringList, Modus, QString> faelle[] = {
        {{"h.wyk"}, Fenster, "h.wyk"},
        {{"file:///tmp/Haus%202%C3%A4.wyk"}, Fenster, "/tmp/Haus 2ä.wyk"},
        {{"file://localhost/a%25.wyk"}, Fenster, "/a%.wyk"},
        {{"FILE:///H%C3%A4.wyk"}, Fenster, "/Hä.wyk"},
        {{"-export-picture=a.svg", "h.wyk"}, Export, "h.wyk"},
        {bild({"--view", "Right", "--frames", "360", "--frame-time", "20"}, "a.GIF"), Export, "h"},
        {bild({"--scale", "4", "--size", "1424x865", "--zoom", "1"}), Export, "h"}};
    for (const auto& [argumente, modus, modell] : faelle) {
        SCOPED_TRACE(argumente.join(' '));
        const Plan plan = planMit(argumente);
        EXPECT_EQ(plan.modus, modus);
        EXPECT_EQ(plan.modell, modell);
    }
}

// A part of the message says why.
TEST(Kommandozeile, RefusesWrongCalls) {
    const std::pair<QStringList, QString> faelle[] = {
        {{"https://x.de/h.wyk"}, "„https://x.de/h.wyk“ ist keine lokale Datei"},
        {{"file://rechner/h.wyk"}, "keine lokale Datei"},
        {{"file:///h.wyk%00.x"}, "Nullzeichen (%00)"},
        {{"a.wyk", "b.wyk"}, "nur eine Modelldatei"},
        {{"--zoom", "2", "h.wyk"}, "--zoom gilt nur"},
        {bild({"--turn", "abc"}), "„abc“ von --turn"},
        {bild({"--tilt", "inf"}), "„inf“ von --tilt"},
        {bild({"--size", "10x"}), "„10x“ von --size"},
        {bild({"--size", "400x866"}), "„400x866“"},
        {bild({"--fit", "--zoom", "2"}), "nicht zusammen"},
        {bild({"--scale", "4.01"}), "„4.01“ von --scale"},
        {bild({"--scale", "0.5"}), "„0.5“ von --scale"},
        {bild({"--scale", "2"}, "a.HTM"), "nicht für die Webseite"},
        {vorschau("15"), "„15“ von"},
        {vorschau("4097"), "„4097“"},
        {{"--thumbnail-size", "64", "--export-png", "a", "h"}, "--thumbnail-size"},
        {{"--export-off", "", "h.wyk"}, "Ausgabedatei ist leer"},
        {bild({"--view", "vorn"}), "„vorn“ von --view"},
        {bild({"--view", "top", "--turn", "1"}), "mit --turn"},
        {bild({"--tilt", "0", "--view", "front"}), "--tilt"},
        {bild({"--frames", "1"}, "a.gif"), "„1“ von --frames"},
        {bild({"--frames", "361"}, "a.gif"), "„361“ von --frames"},
        {bild({"--frame-time", "19"}, "a.gif"), "„19“ von --frame"},
        {bild({"--frame-time", "10001"}, "a.gif"), "„10001“ von"},
        {bild({"--frames", "12"}, "a.png"), "nur für eine GIF"},
        {bild({"--frame-time", "50"}, "a.svg"), "nur für eine GIF"},
        {{"--view", "top", "h"}, "--view gilt nur"},
        {{"--export-off", "a.off", "--frames", "3", "h"}, "--frames gilt nur"},
        {{"--mark-move", "2", "h"}, "--mark-move gilt nur"},
        {bild({"--mark-point", "0"}), "„0“ von"},
        {bild({"--mark-move", "3001"}), "„3001“"},
        {bild({"--measure-to", "3"}), "nur zusammen"},
        {bild({"--mark-point", "3", "--measure-to", "3"}), "anderen Punkt"}};
    for (const auto& [argumente, grund] : faelle) {
        SCOPED_TRACE(argumente.join(' '));
        const Plan plan = planMit(argumente);
        EXPECT_EQ(plan.modus, Modus::Fehler);
        EXPECT_TRUE(plan.fehler.contains(grund)) << plan.fehler;
    }
}

// Drawn: --points and --no-lines as in the windows; --fit to a 1/32 margin with each point's
// disc, the last just beyond, no invisible move; the start view's preview fitted at any size.
TEST(Kommandozeile, DrawsWhatIsStored) {
    test::TempDir dir;
    const QString unsichtbar = dir.write("u.wyk", "3\n0 0 0\n1 1 1\n3 3 3\n3\n1 0\n2 9\n3 0\n");
    const QString punkte = dir.write("p.wyk", "3\n0 0 0\n1 1 1\n1.02 1.02 1.02\n0\n");
    const QString haus = WYK_EXAMPLES_DIR "/haus.wyk";
    const QStringList einpassen{"--fit", "--no-axes"};
    struct Fall {
        QString vorlage;
        QStringList optionen; // after the file's name
        QString export_ = "--export-picture";
    };
    QList<Fall> faelle = {
        {"haus-punkte-ohne-linien", {"--points", "--no-lines", haus}},
        {"einpassen-unsichtbar", einpassen + QStringList{unsichtbar}},
        {"einpassen-punkte", einpassen + QStringList{"--points", "--size", "600x400", punkte}}};
    for (const QString modell : {"dreieck", "farben", "haus", "wuerfel"}) {
        const QString datei = WYK_EXAMPLES_DIR "/" + modell + ".wyk";
        for (const QString groesse : {"16", "100", "1024"}) {
            const QStringList optionen{"--thumbnail-size", groesse, datei};
            faelle << Fall{"vorschau-" + modell + groesse, optionen, "--export-thumbnail"};
        }
    }
    for (const auto& [vorlage, optionen, export_] : faelle) {
        SCOPED_TRACE(vorlage);
        const QString datei = dir.path(vorlage + ".png");
        ASSERT_EQ(ohneFenster(planMit(QStringList{export_, datei} + optionen)), 0);
        test::wieVorlage(vorlage, QImage(datei));
    }
}

} // namespace
} // namespace wyk
