#include "export/picture.h"
#include "exporthelfer.h"
#include "support/vorlage.h"
#include "support/werkzeug.h"

#include <QPainter>
#include <QProcess>
#include <QSet>
#include <numbers>

namespace wyk {
namespace {

using enum QImage::Format;

// A GIF as ImageMagick reads it: each picture as shown (coalesced), its time in 1/100 s.
struct Gelesen {
    QList<QImage> bilder;
    QStringList zeiten;
};

Gelesen lesen(const QString& magick, const QString& gif) {
    test::TempDir dir;
    Gelesen g;
    EXPECT_EQ(QProcess::execute(magick, {gif, "-coalesce", dir.path("b-%03d.ppm")}), 0);
    for (const QString& name : dir.names()) {
        g.bilder << QImage(dir.path(name)).convertToFormat(Format_RGB32);
    }
    QProcess identify;
    identify.start(magick, {gif, "-format", "%T ", "info:"});
    identify.waitForFinished();
    g.zeiten = QString(identify.readAllStandardOutput()).split(' ', Qt::SkipEmptyParts);
    return g;
}

// The colours of the pixels in a picture of the format RGB32.
QSet<QRgb> farben(const QImage& bild) {
    const auto* pixel = reinterpret_cast<const QRgb*>(bild.constBits());
    return {pixel, pixel + bild.width() * bild.height()};
}

// ImageMagick reads the turning GIF as each turn's PNG, shown for the time asked, looping
// forever; the global table has the first picture's colours in the fewest entries; the view stays.
TEST(GifUmlauf, ShowsThePngOfEachTurn) {
    WYK_WERKZEUG(magick, "convert", "imagemagick");
    const std::tuple<int, Umlauf, const char*> faelle[] = {
        {0, {}, "10"}, {2, {5, 25}, "3"}, {1, {12, 10000}, "1000"}};
    test::TempDir dir;
    for (const auto& [ansicht, umlauf, zeit] : faelle) {
        const test::Ansicht& a = test::kAnsichten[ansicht];
        SCOPED_TRACE(a.modell);
        Module1 m;
        test::einrichten(m, a);
        m.dichte = a.dichte;
        ASSERT_TRUE(schreibeBild(m, dir.path("a.gif"), umlauf).isDone());
        EXPECT_EQ(m.rotwinkel[3], a.drehung);
        const Gelesen gif = lesen(magick, dir.path("a.gif"));
        ASSERT_EQ(gif.bilder.size(), umlauf.bilder);
        EXPECT_EQ(gif.zeiten, QStringList(umlauf.bilder, zeit));
        for (int i = 0; i < umlauf.bilder; ++i) {
            m.rotwinkel[3] = a.drehung + 2 * std::numbers::pi * i / umlauf.bilder;
            rotation2(m);
            ASSERT_TRUE(schreibeBild(m, dir.path("a.png")).isDone());
            EXPECT_EQ(gif.bilder[i], QImage(dir.path("a.png")).convertToFormat(Format_RGB32))
                << "picture " << i;
        }
        const QByteArray bytes = dir.read("a.gif");
        EXPECT_TRUE(bytes.contains(QByteArray("NETSCAPE2.0\x03\x01\x00\x00", 16)));
        const auto wert = [&bytes](int i) { return static_cast<uchar>(bytes.at(i)); };
        const int eintraege = 2 << (wert(10) & 7); // of the global table
        QSet<QRgb> tabelle;
        for (int i = 0; (wert(10) & 0x80) != 0 && i < eintraege; ++i) {
            tabelle << qRgb(wert(13 + 3 * i), wert(14 + 3 * i), wert(15 + 3 * i));
        }
        const QSet<QRgb> erste = farben(gif.bilder[0]);
        EXPECT_EQ(tabelle, erste);
        EXPECT_LT(eintraege, 2 * std::max<qsizetype>(2, erste.size()));
    }
}

// --fit once for the whole turn: each picture shows the whole model inside the 1/32 margin,
// together they fill it up to a zoom step, and it turns.
TEST(GifUmlauf, FitsTheWholeTurn) {
    WYK_WERKZEUG(magick, "convert", "imagemagick");
    test::TempDir dir;
    ASSERT_EQ(QProcess::execute(WYK_VIEWER_BINARY,
                                {"--export-picture", dir.path("f.gif"), "--fit", "--view", "top",
                                 "--frames", "8", "--frame-time", "40", "--points", "--no-axes",
                                 "--size", "640x480", WYK_EXAMPLES_DIR "/haus.wyk"}),
              0);
    const Gelesen gif = lesen(magick, dir.path("f.gif"));
    EXPECT_EQ(gif.zeiten, QStringList(8, "4"));
    QImage alle(640, 480 * gif.bilder.size(), Format_RGB32);
    QPainter maler(&alle);
    for (int i = 0; i < gif.bilder.size(); ++i) {
        maler.drawImage(0, 480 * i, gif.bilder[i]);
    }
    maler.end();
    test::wieVorlage("umlauf-einpassen", alle);
}

} // namespace
} // namespace wyk
