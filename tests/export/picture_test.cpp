#include "export/picture.h"
#include "exporthelfer.h"
#include "support/scripteddialogs.h"
#include "support/tempdir.h"
#include "view/projection.h"

#include <QImageReader>
#include <QImageWriter>
#include <gtest/gtest.h>
#include <set>

namespace wyk {
namespace {

QImage lies(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// The format a file's content has, whatever its name says.
QByteArray inhaltsFormat(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.format();
}

std::size_t farben(const QImage& bild) {
    std::set<QRgb> gesehen;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            gesehen.insert(bild.pixel(x, y));
        }
    }
    return gesehen.size();
}

class PictureExport : public ::testing::Test {
protected:
    void SetUp() override {
        m.fenster.canvasZeigen = [this] { ++gezeigt; };
        ASSERT_TRUE(init(m).isDone());
        ASSERT_TRUE(test::ladeBeispiel(m, "haus.wyk"));
        gezeigt = 0;
    }

    Module1 m;
    int gezeigt = 0;
    test::TempDir dir;
};

TEST_F(PictureExport, SavesTheDrawnAreaAtTheDrawingsSize) {
    m.breite = 530;
    m.hoehe = 410;
    m.origx = 265;
    m.origy = 205;
    test::ScriptedDialogs dialogs;
    dialogs.answers << dir.path("bild.png");
    ASSERT_TRUE(savepic(m, dialogs).isDone());
    EXPECT_EQ(gezeigt, 1);
    const QImage bild = lies(dir.path("bild.png"));
    ASSERT_EQ(bild.size(), QSize(530, 410));
    EXPECT_GT(farben(bild), 2U);
    EXPECT_EQ(bild, m.zebild.copy(0, 0, 530, 410).convertToFormat(QImage::Format_RGB32));
}

TEST_F(PictureExport, ProposesBildAndSavesPngUnderExactlyThatName) {
    for (int mal = 0; mal < 2; ++mal) {
        test::ScriptedDialogs dialogs;
        dialogs.answers << dir.path("bild");
        ASSERT_TRUE(savepic(m, dialogs).isDone());
        EXPECT_EQ(dialogs.proposed, QStringList{"bild"});
    }
    EXPECT_EQ(test::dateien(dir.path("")), QStringList{"bild"});
    EXPECT_EQ(inhaltsFormat(dir.path("bild")), "png");
    EXPECT_EQ(lies(dir.path("bild")).size(), QSize(400, 400));
}

TEST_F(PictureExport, FormatFollowsTheExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.bmp", "bmp"}, {"b.jpg", "jpeg"}, {"c.JPEG", "jpeg"},  {"d.png", "png"},
        {"e.ppm", "ppm"}, {"f.xyz", "png"},  {"g.tar.gz", "png"}, {"h.", "png"},
    };
    const auto schreibbar = QImageWriter::supportedImageFormats();
    for (const auto& [name, format] : cases) {
        if (QByteArray(format) != "png" && !schreibbar.contains(format)) {
            continue; // the system has no writer for it
        }
        ASSERT_TRUE(schreibeBild(m, dir.path(name)).isDone()) << name;
        EXPECT_EQ(inhaltsFormat(dir.path(name)), format) << name;
    }
    EXPECT_EQ(lies(dir.path("a.bmp")),
              m.zebild.copy(0, 0, 400, 400).convertToFormat(QImage::Format_RGB32));
}

TEST_F(PictureExport, CancelledDialogStillRedrewTheView) {
    m.zebild.fill(Qt::blue);
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(savepic(m, dialogs).isCancelled());
    EXPECT_EQ(gezeigt, 1);
    EXPECT_NE(m.zebild.pixel(0, 0), QColor(Qt::blue).rgb());
    EXPECT_EQ(m.zebild.pixel(m.breite, 0), QColor(Qt::blue).rgb()) << "outside the drawing";
    EXPECT_TRUE(test::dateien(dir.path("")).isEmpty());
}

TEST_F(PictureExport, UnwritableTargetFailsAndLeavesNoFile) {
    dir.write("datei", "kein Ordner");
    const QString ziele[] = {dir.path("datei/bild.png"), dir.path("fehlt/bild.png"), dir.path("")};
    for (const QString& ziel : ziele) {
        const Outcome ergebnis = schreibeBild(m, ziel);
        ASSERT_TRUE(ergebnis.isFailed()) << ziel.toStdString();
        EXPECT_TRUE(ergebnis.message().contains(QDir::toNativeSeparators(ziel)))
            << ergebnis.message().toStdString();
    }
    EXPECT_EQ(test::dateien(dir.path("")), QStringList{"datei"});
}

TEST(PictureExportBeforeInit, FailsWithoutAFile) {
    test::TempDir dir;
    Module1 m;
    const Outcome ergebnis = schreibeBild(m, dir.path("bild.png"));
    ASSERT_TRUE(ergebnis.isFailed());
    EXPECT_TRUE(ergebnis.message().contains("bild.png"));
    EXPECT_TRUE(test::dateien(dir.path("")).isEmpty());
}

} // namespace
} // namespace wyk
