#pragma once

#include "model/module1.h"
#include "view/flaeche.h"

#include <QChar>
#include <QPoint>
#include <QSize>
#include <vector>

namespace wyk {

// Sizes in pixels: the disc of a point, of the highlighted point and of the origin marker, the
// pen of the highlighted segment, and the screen length of an axis lying in the picture plane.
constexpr int kPunktScheibe = 5;
constexpr int kMarkeScheibe = 7;
constexpr int kUrsprungScheibe = 5;
constexpr int kMarkeStift = 3;
constexpr double kAchsenLaenge = 100.0;

// Segment ends farther out than this are first clipped as reals, so that the conversion to
// whole pixels keeps the segment's direction.
constexpr double kWeitDraussen = 1e9;

// Draws the whole scene into the breite x hoehe area of zebild, at its density (the
// geraeteGroesse area of device pixels): background, points, the point highlights
// (markiertePunkte), the segments of the pen path, the move highlight and the axes, in that
// order, then shows zebild on the canvas. zebild grows when that area does not fit and carries
// the density as its device pixel ratio. Does nothing before init has created zebild.
void zeichnen(Module1& m);

// Draws the scene as zeichnen does, onto any surface in device pixels: the area painted black,
// then what the switches and the debug selection ask for. Points and ends whose screen
// position is not finite are left out.
void szeneZeichnen(Zeichenflaeche& r, const Module1& m, Anzeige anzeige);

// The points that carry the point mark: debugpkt, and with it messpkt, where each is a row of
// the tables.
[[nodiscard]] std::vector<int> markiertePunkte(const Module1& m);

// The pixels an axis label (x, y or z; nothing for any other character) lights, relative to
// the left end of its baseline: the letter as DejaVu Sans, Debian's default font, draws it at
// 9 pt (12 pixels) without antialiasing. The letters are held here, so that no drawing needs
// a font: the windows, every export and the page show the same labels on every system. At
// a density (Module1::dichte) each pixel becomes a square of geraeteLaenge(1, dichte) device
// pixels at dichte times its place.
[[nodiscard]] std::vector<QPoint> beschriftungsPunkte(QChar text, double dichte = 1.0);

// Drawing at a density (Module1::dichte) of more than one device pixel per pixel: every
// position is scaled before it is converted to whole device pixels, and every size of a pen
// or disc becomes geraeteLaenge of it, so lines keep one width along their length at any
// density. At density 1 both are the identity.
[[nodiscard]] int geraeteLaenge(int laenge, double dichte); // rounded, at least 1
constexpr double kGroessteDichte = 4.0;
constexpr int kGroessteGeraeteSeite =
    static_cast<int>(kGroessteDichte) * kGroessteZeichnung.width();
// The device pixels the breite x hoehe area covers at the density, rounded up.
[[nodiscard]] QSize geraeteGroesse(const Module1& m);

} // namespace wyk
