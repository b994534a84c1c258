#include "export/off.h"
#include "export/picture.h"
#include "export/web.h"
#include "exporthelfer.h"
#include "view/projection.h"

#include <cmath>

namespace wyk {
namespace {

// The dialog offers the types, PNG first, proposing "bild". A bare name takes the chosen type's
// extension but PNG's; the format follows the name (else PNG); the picture is the drawing.
TEST(PictureExport, SavesTheDrawingInTheFormatOfItsName) {
    test::TempDir dir;
    Module1 m;
    ASSERT_TRUE(init(m).isDone());
    ASSERT_TRUE(ladeDatei(m, WYK_EXAMPLES_DIR "/haus.wyk").isDone());
    std::tie(m.breite, m.hoehe) = std::pair(530, 410);
    test::ScriptedDialogs dialogs; // with no answer yet: cancelled
    EXPECT_TRUE(savepic(m, dialogs).isCancelled());
    // name, type selected, file written, its first bytes
    const std::tuple<const char*, int, const char*, QByteArray> faelle[] = {
        {"bild", 0, "bild", "\x89PNG"}, {"a.BMP", 0, "a.BMP", "BM"},
        {"b.ppm", 2, "b.ppm", "P6"},    {"c.xyz", 1, "c.xyz", "\x89PNG"},
        {"d", 1, "d.svg", "<?xml"},     {"e", 2, "e.html", "<!DOCTYPE"},
        {"f", 3, "f.pdf", "%PDF-"},     {"g", 4, "g.gif", "GIF89a"}};
    for (const auto& [name, typ, datei, kopf] : faelle) {
        dialogs.answers << dir.path(name);
        dialogs.filterWahl << typ;
        ASSERT_TRUE(savepic(m, dialogs).isDone());
        EXPECT_TRUE(dir.read(datei).startsWith(kopf)) << datei;
    }
    EXPECT_EQ(dir.names().size(), 8);
    EXPECT_EQ(dialogs.proposed, QStringList(9, "bild"));
    EXPECT_EQ(dialogs.angebote[0].filter,
              (QStringList{"PNG-Bild (*.png)", "SVG-Vektorbild (*.svg)", "Webseite (*.html *.htm)",
                           "PDF-Dokument (*.pdf)", "GIF-Animation (*.gif)"}));
    EXPECT_EQ(QImage(dir.path("bild")).convertToFormat(QImage::Format_RGB16),
              m.zebild.copy(0, 0, 530, 410));
}

TEST(ExportFailure, EveryWriterNamesTheFileAndLeavesNoFile) {
    test::TempDir dir;
    dir.write("datei", "kein Ordner");
    const QString datei = dir.path("datei/a");
    const QString fehlt = dir.path("fehlt/");
    Module1 m;
    ASSERT_TRUE(init(m).isDone());
    Module1 unendlich; // nothing drawn yet either
    m.htmlsave = m.javasave = unendlich.htmlsave = unendlich.javasave = true;
    unendlich.anzpkt = 2;
    unendlich.punkt[2][3] = NAN;
    const std::pair<Outcome, QString> faelle[] = {
        {schreibeOff(m, datei), datei},
        {schreibeOff(m, dir.folder("o.off")), dir.path("o.off")}, // nor the page or classes
        {schreibeOff(unendlich, dir.path("u.off")), "Punkt 2"},
        {schreibeBild(m, fehlt + "a"), fehlt + "a"},
        {schreibeBild(m, fehlt + "a.gif"), fehlt + "a.gif"},
        {schreibeBild(unendlich, dir.path("b.png")), dir.path("b.png")},
        {saveHTML(m, fehlt, "a.off"), fehlt + "a.htm"},
        {savejava(m, fehlt), fehlt + "Viewer41.class"}};
    for (const auto& [ergebnis, genannt] : faelle) {
        EXPECT_TRUE(ergebnis.isFailed()) << genannt;
        EXPECT_TRUE(ergebnis.message().contains(genannt)) << ergebnis.message();
    }
    EXPECT_EQ(dir.names(), (QStringList{"datei", "o.off"}));
}

} // namespace
} // namespace wyk
