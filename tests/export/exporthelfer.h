#pragma once

#include "model/reader.h"
#include "support/drucken.h"
#include "support/scripteddialogs.h"
#include "support/tempdir.h"
#include "view/projection.h"

#include <gtest/gtest.h>

namespace wyk::test {

// The web page for the OFF file whose name stands in the page as the bytes wert.
inline QByteArray seite(const QByteArray& wert) {
    return "<HTML>\r\n<HEAD>\r\n<TITLE>OFF-Viewer</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<CENTER><APPLET "
           "code=\"Viewer41.class\" WIDTH=\"640\" HEIGHT=\"480\"><PARAM name=model value=\"" +
           wert + "\"></APPLET></CENTER>\r\n</BODY>\r\n</HTML>\r\n";
}

inline const QStringList kKlassen = {"Face.class", "Matrix3D.class", "OOGL_OFF.class",
                                     "Viewer41.class"};

// The applet's class file as the program's resources are built of it.
inline QByteArray klasse(const QString& name) {
    QFile datei(WYK_APPLET_DIR "/" + name);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// A view of an example for the exports to draw.
struct Ansicht {
    const char* modell;
    double neigung, drehung;
    int zoom, breite, hoehe, origx, origy;
    Anzeige anzeige;
    int debugpkt = 0, debuglinie = 0;
    double dichte = 1; // for the pictures; the page draws at the screen's pixels
    int messpkt = 0;
};

inline const Ansicht kAnsichten[] = {
    {"haus", kStartNeigung, kStartDrehung, 10, 400, 400, 200, 200, {}},
    {"wuerfel", 1.2, 0.4, 25, 600, 450, 250, 260, {true, true, true}, 0, 0, 2},
    {"farben", -0.3, 2.0, 14, 500, 420, 300, 150, {true, true, false}, 3, 5, 1.5, 9},
    {"dreieck", 1.5707963, 0, 30, 410, 430, 100, 350, {false, true, true}, 0, 1},
    // cut by every edge: lines run out, discs reach in, the origin sits at the corner
    {"farben", 0.7, -0.4, 37, 404, 400, 402, 2, {true, true, true}, 2, 3, 1.25, 1},
};

// The model with the view; its name needs escaping in every format.
inline void einrichten(Module1& m, const Ansicht& f) {
    ASSERT_TRUE(init(m).isDone());
    ASSERT_TRUE(ladeDatei(m, QString(WYK_EXAMPLES_DIR "/%1.wyk").arg(f.modell)).isDone());
    // the name ends in a byte that is no UTF-8
    m.datname = QString("</script><b a='1'>&\"%1\"").arg(f.modell) + QChar(0xDCFF);
    std::tie(m.rotwinkel[1], m.rotwinkel[3], m.zoomfaktor, m.breite, m.hoehe, m.origx, m.origy,
             m.anzeige, m.debugpkt, m.debuglinie, m.messpkt) =
        std::tie(f.neigung, f.drehung, f.zoom, f.breite, f.hoehe, f.origx, f.origy, f.anzeige,
                 f.debugpkt, f.debuglinie, f.messpkt);
    rotation2(m);
}

} // namespace wyk::test
