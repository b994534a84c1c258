#include "export/off.h"
#include "export/picture.h"
#include "export/web.h"
#include "exporthelfer.h"
#include "view/projection.h"

#include <QImageReader>
#include <cmath>

namespace wyk {
namespace {

// The dialog proposes "bild" every time; a cancelled one has redrawn the view too. The picture
// is the drawing at its current size, as PNG unless the name asks for another format.
TEST(PictureExport, SavesTheDrawingInTheFormatOfItsName) {
    test::TempDir dir;
    Module1 m;
    int gezeigt = 0;
    m.fenster.canvasZeigen = [&gezeigt] { ++gezeigt; };
    ASSERT_TRUE(init(m).isDone());
    ASSERT_TRUE(ladeDatei(m, WYK_EXAMPLES_DIR "/haus.wyk").isDone());
    m.breite = 530;
    m.hoehe = 410;
    gezeigt = 0;
    test::ScriptedDialogs dialogs; // with no answer yet: cancelled
    EXPECT_TRUE(savepic(m, dialogs).isCancelled());
    EXPECT_EQ(gezeigt, 1);
    EXPECT_EQ(dir.names(), QStringList());
    const std::pair<const char*, const char*> faelle[] = {
        {"bild", "png"}, {"a.BMP", "bmp"}, {"b.ppm", "ppm"}, {"c.xyz", "png"}};
    for (const auto& [name, format] : faelle) {
        dialogs.answers << dir.path(name);
        ASSERT_TRUE(savepic(m, dialogs).isDone());
        QImageReader leser(dir.path(name));
        leser.setDecideFormatFromContent(true);
        EXPECT_EQ(leser.format(), format) << name;
    }
    EXPECT_EQ(dialogs.proposed, QStringList(5, "bild"));
    EXPECT_EQ(QImage(dir.path("bild")).convertToFormat(QImage::Format_RGB16),
              m.zebild.copy(0, 0, 530, 410));
}

// The dialog offers the picture types, PNG first; a name without an extension takes that of
// the type selected, except PNG's.
TEST(PictureExport, BareNameTakesTheSelectedTypesExtension) {
    test::TempDir dir;
    Module1 m;
    ASSERT_TRUE(init(m).isDone());
    test::ScriptedDialogs dialogs;
    const std::tuple<const char*, int, const char*> faelle[] = {
        {"a", 0, "a"}, {"b", 1, "b.svg"}, {"c", 2, "c.html"}, {"d.png", 1, "d.png"}};
    for (const auto& [name, typ, datei] : faelle) {
        dialogs.answers << dir.path(name);
        dialogs.filterWahl << typ;
        ASSERT_TRUE(savepic(m, dialogs).isDone());
        EXPECT_TRUE(dir.exists(datei)) << datei;
    }
    EXPECT_EQ(dir.names().size(), 4);
    EXPECT_EQ(dialogs.angebote[0].filter, (QStringList{"PNG-Bild (*.png)", "SVG-Vektorbild (*.svg)",
                                                       "Webseite (*.html *.htm)"}));
}

// Every writer names the file it failed on and leaves none behind.
TEST(ExportFailure, NamesTheFileAndLeavesNoFile) {
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
        {schreibeOff(m, dir.path("")), dir.path("")},
        {schreibeOff(unendlich, dir.path("u.off")), "Punkt 2"},
        {schreibeBild(m, datei), datei},
        {schreibeBild(m, fehlt + "a"), fehlt + "a"},
        {schreibeBild(unendlich, dir.path("b.png")), dir.path("b.png")},
        {saveHTML(m, fehlt, "a.off"), fehlt + "a.htm"},
        {savejava(m, fehlt), fehlt + "Viewer41.class"}};
    for (const auto& [ergebnis, genannt] : faelle) {
        EXPECT_TRUE(ergebnis.isFailed() && ergebnis.message().contains(genannt))
            << ergebnis.message().toStdString();
    }
    EXPECT_EQ(dir.names(), QStringList{"datei"});
}

} // namespace
} // namespace wyk
