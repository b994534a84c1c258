// Draws the about window's two pictures with the viewer's own renderer: the example house as
// the 160 x 160 logo (picture 168) and the coloured fan as the 100 x 50 small picture (169).
// Usage: make_pictures EXAMPLES_DIR OUTPUT_DIR
#include "model/reader.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

bool bild(const QString& modell, const QString& ziel, int breite, int hoehe, int zoom) {
    wyk::Module1 m;
    m.breite = breite;
    m.hoehe = hoehe;
    m.origx = breite / 2;
    m.origy = hoehe * 3 / 4;
    m.zoomfaktor = zoom;
    m.fenster.schalter = [] { return wyk::Anzeige{true, true, false}; };
    if (!wyk::init(m).isDone() || !wyk::ladeDatei(m, modell).isDone()) {
        return false;
    }
    wyk::zeichnen(m);
    return m.zebild.copy(0, 0, breite, hoehe).save(ziel, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_pictures EXAMPLES_DIR OUTPUT_DIR\n");
        return 2;
    }
    const QString examples = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const bool ok = bild(examples + "/haus.wyk", out + "/168.png", 160, 160, 8) &&
                    bild(examples + "/farben.wyk", out + "/169.png", 100, 50, 2);
    return ok ? 0 : 1;
}
