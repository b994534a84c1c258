// Draws the program's pictures with the viewer's own renderer, each model fitted whole into
// its picture and centred: the example house as the about window's 160 x 160 logo (picture
// 168) and as the desktop icon at the sizes the icon theme knows, and the colour fan seen from
// above as the about window's 100 x 50 small picture (169).
// Usage: make_pictures [--check] EXAMPLES_DIR RESOURCES_DIR
// With --check nothing is written: each picture is compared with the one in RESOURCES_DIR,
// and the exit code is 1 when one differs in size or in any pixel, so a test can prove the
// shipped pictures are what this program makes of the examples. A picture that does not show
// its model whole and centred is never written and always fails the check.
#include "model/reader.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

// One picture: the example model, the file under the resources folder, the size, the view
// angles (tilt, turn), whether the points show, and the free border in pixels.
struct Bild {
    const char* modell;
    const char* datei;
    int breite;
    int hoehe;
    double neigung;
    double drehung;
    bool punkte;
    int rand;
};

constexpr double kVonOben = 1.5707963267948966;

const Bild kBilder[] = {
    {"haus.wyk", "pictures/168.png", 160, 160, wyk::kStartNeigung, wyk::kStartDrehung, true, 10},
    {"farben.wyk", "pictures/169.png", 100, 50, kVonOben, 0.0, false, 3},
    {"haus.wyk", "desktop/wyk-viewer-48.png", 48, 48, wyk::kStartNeigung, wyk::kStartDrehung, false,
     3},
    {"haus.wyk", "desktop/wyk-viewer-128.png", 128, 128, wyk::kStartNeigung, wyk::kStartDrehung,
     true, 8},
    {"haus.wyk", "desktop/wyk-viewer-256.png", 256, 256, wyk::kStartNeigung, wyk::kStartDrehung,
     true, 16},
};

// Scales the basis and places the origin so that the model's points, the origin among them,
// fill the picture up to rand pixels on the tighter side and lie in its middle.
void einpassen(wyk::Module1& m, int rand) {
    m.zoomfaktor = 1;
    wyk::rotation2(m);
    double links = std::numeric_limits<double>::max();
    double oben = links;
    double rechts = -links;
    double unten = -links;
    for (int p = 0; p <= m.anzpkt; ++p) {
        const auto& q = m.punkt[p];
        const double x = q[1] * m.basis[1][1] + q[2] * m.basis[2][1] + q[3] * m.basis[3][1];
        const double y = q[1] * m.basis[1][2] + q[2] * m.basis[2][2] + q[3] * m.basis[3][2];
        links = std::min(links, x);
        rechts = std::max(rechts, x);
        oben = std::min(oben, y);
        unten = std::max(unten, y);
    }
    const double faktor = std::min((m.breite - 1 - 2 * rand) / std::max(rechts - links, 1e-9),
                                   (m.hoehe - 1 - 2 * rand) / std::max(unten - oben, 1e-9));
    for (auto& achse : m.basis) {
        achse[1] *= faktor;
        achse[2] *= faktor;
    }
    m.origx = static_cast<int>(std::lround((m.breite - 1) / 2.0 - faktor * (links + rechts) / 2));
    m.origy = static_cast<int>(std::lround((m.hoehe - 1) / 2.0 - faktor * (oben + unten) / 2));
}

// Whether the model shows whole and centred: its lit pixels keep at least 2 pixels off every
// edge, and the free borders left and right, and above and below, differ by 2 at most.
bool ganzUndMittig(const QImage& bild) {
    QRect hell;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixel(x, y) != qRgb(0, 0, 0)) {
                hell |= QRect(x, y, 1, 1);
            }
        }
    }
    const int links = hell.left();
    const int rechts = bild.width() - 1 - hell.right();
    const int oben = hell.top();
    const int unten = bild.height() - 1 - hell.bottom();
    return std::min({links, rechts, oben, unten}) >= 2 && std::abs(links - rechts) <= 2 &&
           std::abs(oben - unten) <= 2;
}

// Draws the picture, which must show the model whole and centred; saves it, or with pruefen
// compares it with the file there.
bool zeichne(const QString& examples, const QString& ziel, const Bild& b, bool pruefen) {
    wyk::Module1 m;
    m.breite = b.breite;
    m.hoehe = b.hoehe;
    m.anzeige = wyk::Anzeige{b.punkte, true, false};
    if (!wyk::init(m).isDone() ||
        !wyk::ladeDatei(m, examples + '/' + QString::fromLatin1(b.modell)).isDone()) {
        return false;
    }
    m.rotwinkel[1] = b.neigung;
    m.rotwinkel[3] = b.drehung;
    einpassen(m, b.rand);
    wyk::zeichnen(m);
    const QImage bild = m.zebild.copy(0, 0, b.breite, b.hoehe);
    const QString datei = ziel + '/' + QString::fromLatin1(b.datei);
    if (!ganzUndMittig(bild)) {
        return false;
    }
    if (pruefen) {
        return QImage(datei).convertToFormat(QImage::Format_RGB32) ==
               bild.convertToFormat(QImage::Format_RGB32);
    }
    return bild.save(datei, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool pruefen = argc == 4 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 3 && !pruefen) {
        std::fprintf(stderr, "usage: make_pictures [--check] EXAMPLES_DIR RESOURCES_DIR\n");
        return 2;
    }
    const QString examples = QString::fromLocal8Bit(argv[argc - 2]);
    const QString ziel = QString::fromLocal8Bit(argv[argc - 1]);
    int fehler = 0;
    for (const Bild& b : kBilder) {
        if (!zeichne(examples, ziel, b, pruefen)) {
            std::fprintf(stderr, "make_pictures: %s %s\n", b.datei,
                         pruefen ? "is not whole and centred, or not what the examples give"
                                 : "failed");
            ++fehler;
        }
    }
    return fehler == 0 ? 0 : 1;
}
