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
#include "platform/resources.h"
#include "view/ansichten.h"
#include "view/einpassen.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

// One picture: the example model, the file under the resources folder, the size, the view
// angles (tilt, turn), whether the points show, and the free border in pixels that the
// program's fitting leaves.
struct Bild {
    const char* modell;
    QString datei;
    int breite;
    int hoehe;
    double neigung;
    double drehung;
    bool punkte;
    int rand;
};

// The colour fan is drawn as the top view shows it.
constexpr const wyk::Seite& kVonOben = wyk::kSeiten[4];
static_assert(std::string_view(kVonOben.name) == "top");

// A picture must keep its model this many pixels off every edge, and its free borders on
// opposite sides may differ by kSpiel pixels.
constexpr int kKleinsterRand = 2;
constexpr int kSpiel = 2;

// The about window's pictures lie in pictures/ under their resource numbers.
QString bildDatei(int nummer) {
    return QStringLiteral("pictures/%1.png").arg(nummer);
}

const Bild kBilder[] = {
    {"haus.wyk", bildDatei(wyk::kBildLogo), 160, 160, wyk::kStartNeigung, wyk::kStartDrehung, true,
     7},
    {"farben.wyk", bildDatei(wyk::kBildFarbfaecher), 100, 50, kVonOben.neigung, kVonOben.drehung,
     false, 2},
    {"haus.wyk", QStringLiteral("desktop/wyk-viewer-48.png"), 48, 48, wyk::kStartNeigung, wyk::kStartDrehung, false,
     2},
    {"haus.wyk", QStringLiteral("desktop/wyk-viewer-128.png"), 128, 128, wyk::kStartNeigung, wyk::kStartDrehung,
     true, 5},
    {"haus.wyk", QStringLiteral("desktop/wyk-viewer-256.png"), 256, 256, wyk::kStartNeigung, wyk::kStartDrehung,
     true, 13},
};

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
    wyk::rotation2(m);
    const auto einpassung = wyk::einpassen(m, m.anzeige, false, b.rand);
    if (!einpassung) {
        return false;
    }
    wyk::einpassungAnwenden(m, *einpassung);
    wyk::zeichnen(m);
    const QImage bild = m.zebild.copy(0, 0, b.breite, b.hoehe);
    const QString datei = ziel + '/' + b.datei;
    if (!wyk::ganzUndMittig(bild, kKleinsterRand, kSpiel)) {
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
    QCoreApplication app(argc, argv);
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
            std::fprintf(stderr, "make_pictures: %s %s\n", qPrintable(b.datei),
                         pruefen ? "is not whole and centred, or not what the examples give"
                                 : "failed");
            ++fehler;
        }
    }
    return fehler == 0 ? 0 : 1;
}
