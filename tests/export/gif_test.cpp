#include "export/picture.h"
#include "exporthelfer.h"
#include "support/werkzeug.h"
#include "view/projection.h"

#include <QProcess>
#include <QSet>
#include <numbers>

namespace wyk {
namespace {

// A GIF as ImageMagick reads it: each picture as shown (coalesced), and each one's time in
// hundredths of a second.
struct Gelesen {
    QList<QImage> bilder;
    QStringList zeiten;
};

Gelesen lesen(const QString& magick, const QString& gif) {
    test::TempDir dir;
    Gelesen g;
    if (QProcess::execute(magick, {gif, "-coalesce", dir.path("b-%03d.ppm")}) != 0) {
        return g;
    }
    for (const QString& name : dir.names()) {
        g.bilder << QImage(dir.path(name)).convertToFormat(QImage::Format_RGB32);
    }
    QProcess identify;
    identify.start(magick, {gif, "-format", "%T ", "info:"});
    identify.waitForFinished();
    g.zeiten = QString::fromLatin1(identify.readAllStandardOutput()).split(' ', Qt::SkipEmptyParts);
    return g;
}

// The entries of the GIF's global table.
QList<QRgb> globaleFarben(const QByteArray& gif) {
    QList<QRgb> farben;
    const auto gepackt = static_cast<unsigned char>(gif.at(10));
    for (int i = 0; (gepackt & 0x80) != 0 && i < (2 << (gepackt & 7)); ++i) {
        const auto* rgb = reinterpret_cast<const unsigned char*>(gif.constData() + 13 + 3 * i);
        farben << qRgb(rgb[0], rgb[1], rgb[2]);
    }
    return farben;
}

// The distinct colours of a picture.
QSet<QRgb> farbenIn(const QImage& bild) {
    QSet<QRgb> farben;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            farben << bild.pixel(x, y);
        }
    }
    return farben;
}

// ImageMagick decodes the turning picture to the PNG of each picture's turn, shown for the
// time asked (in hundredths of a second), looping forever; the global colour table holds
// only the first picture's colours, as few entries as a GIF allows, and the view is left as
// it was.
TEST(GifUmlauf, ImageMagickShowsThePngOfEachTurn) {
    WYK_WERKZEUG(magick, "convert", "imagemagick");
    struct Fall {
        const char* modell;
        double neigung, drehung;
        int zoom, breite, hoehe, origx, origy;
        Anzeige anzeige;
        int debugpkt, debuglinie;
        Umlauf umlauf;
        const char* zeit;
    };
    const Fall faelle[] = {
        {"haus", kStartNeigung, kStartDrehung, 10, 400, 400, 200, 200, {}, 0, 0, {}, "10"},
        {"farben", -0.3, 2.0, 14, 500, 420, 300, 150, {true, true, false}, 3, 5, {5, 25}, "3"},
        {"wuerfel", 1.2, 0.4, 25, 600, 450, 250, 260, {true, true, true}, 0, 0, {12, 10000}, "1000"},
    };
    test::TempDir dir;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.modell);
        Module1 m;
        ASSERT_TRUE(init(m).isDone());
        ASSERT_TRUE(ladeDatei(m, QStringLiteral(WYK_EXAMPLES_DIR "/%1.wyk").arg(f.modell)).isDone());
        std::tie(m.rotwinkel[1], m.rotwinkel[3], m.zoomfaktor, m.breite, m.hoehe, m.origx, m.origy,
                 m.debugpkt, m.debuglinie) = std::tuple(f.neigung, f.drehung, f.zoom, f.breite,
                                                        f.hoehe, f.origx, f.origy, f.debugpkt,
                                                        f.debuglinie);
        m.fenster.schalter = [&f] { return f.anzeige; };
        rotation2(m);
        ASSERT_TRUE(schreibeBild(m, dir.path("a.gif"), f.umlauf).isDone());
        EXPECT_EQ(m.rotwinkel[3], f.drehung);
        const Gelesen gif = lesen(magick, dir.path("a.gif"));
        ASSERT_EQ(gif.bilder.size(), f.umlauf.bilder);
        EXPECT_EQ(gif.zeiten, QStringList(f.umlauf.bilder, f.zeit));
        for (int i = 0; i < f.umlauf.bilder; ++i) {
            m.rotwinkel[3] = f.drehung + 2 * std::numbers::pi * i / f.umlauf.bilder;
            rotation2(m);
            ASSERT_TRUE(schreibeBild(m, dir.path("a.png")).isDone());
            EXPECT_EQ(gif.bilder[i], QImage(dir.path("a.png")).convertToFormat(QImage::Format_RGB32))
                << "picture " << i;
        }
        const QByteArray bytes = dir.read("a.gif");
        EXPECT_TRUE(bytes.startsWith("GIF89a"));
        EXPECT_TRUE(bytes.contains(QByteArray("NETSCAPE2.0\x03\x01\x00\x00", 16)));
        const QSet<QRgb> erste = farbenIn(gif.bilder[0]);
        const QList<QRgb> tabelle = globaleFarben(bytes);
        EXPECT_EQ(QSet<QRgb>(tabelle.begin(), tabelle.end()), erste);
        EXPECT_LT(tabelle.size(), 2 * std::max<qsizetype>(2, erste.size()));
    }
}

#ifdef WYK_VIEWER_BINARY
// With --fit the program fits once for the whole turn: every picture shows the whole model
// inside the margin of 1/32, at one zoom and origin, and it turns.
TEST(GifUmlauf, FitShowsTheWholeModelInEveryPicture) {
    WYK_WERKZEUG(magick, "convert", "imagemagick");
    test::TempDir dir;
    QProcess programm;
    programm.start(WYK_VIEWER_BINARY,
                   {"--export-picture", dir.path("f.gif"), "--fit", "--view", "top", "--frames",
                    "8", "--points", "--no-axes", "--size", "640x480",
                    WYK_EXAMPLES_DIR "/haus.wyk"});
    ASSERT_TRUE(programm.waitForFinished(60000) && programm.exitCode() == 0)
        << programm.readAllStandardError().toStdString();
    const Gelesen gif = lesen(magick, dir.path("f.gif"));
    ASSERT_EQ(gif.bilder.size(), 8);
    const QRect innen = QRect(0, 0, 640, 480).adjusted(15, 15, -15, -15);
    QRect alle;
    for (int i = 0; i < 8; ++i) {
        QRect box;
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                if (gif.bilder[i].pixel(x, y) != qRgb(0, 0, 0)) {
                    box |= QRect(x, y, 1, 1);
                }
            }
        }
        EXPECT_TRUE(innen.contains(box)) << "picture " << i;
        alle |= box;
        EXPECT_NE(gif.bilder[i], gif.bilder[(i + 1) % 8]) << "picture " << i;
    }
    EXPECT_GT(alle.height(), 480 * 8 / 10); // filled up to a whole zoom step
}
#endif

} // namespace
} // namespace wyk
