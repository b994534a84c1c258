#pragma once

#include "platform/kennung.h"
#include "platform/resources.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace wyk {

// Largest row of the point and pen-move tables: a model holds at most 3000 of each.
constexpr int kTabellenGrenze = 3000;

// The drawing area's smallest size, which is also its size at start, and its largest, which
// zebild holds. The main window's size limits follow from these.
constexpr QSize kKleinsteZeichnung(400, 400);
constexpr QSize kGroessteZeichnung(1424, 865);

// The model read from a model file. Row i of punkt (1..anzpkt) is point i with x, y, z in
// columns 1..3; row 0 stays (0, 0, 0), the origin, where the pen path starts. Row i of linie
// (1..anzlin) is pen move i: column 1 the point the pen moves to, column 2 the colour code
// of the stroke from the pen's previous point (0 = move without drawing). Rows above the
// counts keep what an earlier, larger model left there.
struct Modell {
    std::array<std::array<double, 4>, kTabellenGrenze + 1> punkt{};
    int anzpkt = 0;
    int anzlin = 0;
    std::array<std::array<int, 3>, kTabellenGrenze + 1> linie{};
    QString datname = QStringLiteral("3D");
    QString datpfad; // the model file's absolute path, empty before the first load
    std::optional<Kennung> datkennung; // the model file that was read, whatever its names
};

// Which parts of the scene the renderer draws: the main window's three check boxes.
struct Anzeige {
    bool punkte = false;
    bool linien = true;
    bool achsen = true;
};

// Where the shared state reaches the windows. Each hook may be left empty: then nothing
// happens.
struct Fenster {
    std::function<void(const QString&)> zoomTextSetzen; // show the zoom in the zoom field
    std::function<void()> debugSchliessen;              // close the debug window
    std::function<void()> canvasZeigen;                 // show zebild on the canvas now
};

// The zoom at start: pixels per model unit.
constexpr int kStartZoom = 10;

// All state the routines share: the model, the view, the debug highlights and the export
// switches, with their start values. The running program owns one instance.
struct Module1 : Modell {
    int breite = kKleinsteZeichnung.width();
    int hoehe = kKleinsteZeichnung.height();
    std::array<std::array<double, 3>, 4> basis{};
    int origx = breite / 2;
    int origy = hoehe / 2;
    std::array<double, 4> rotwinkel{};
    int zoomfaktor = kStartZoom;
    int debugpkt = 0;
    // The second point of a measurement from debugpkt; it carries the same mark. 0 = none.
    int messpkt = 0;
    int debuglinie = 0;
    Anzeige anzeige; // the main window's check boxes: written by them, read by every drawing
    bool htmlsave = false;
    bool javasave = false;
    int mausx = 0;
    int mausy = 0;
    // Device pixels per pixel of the drawing: the screen's device pixel ratio in the window,
    // --scale in a picture export. zebild holds the drawing at this density.
    double dichte = 1.0;
    QImage zebild;

    Resources ressourcen;
    Fenster fenster;
};

} // namespace wyk
