#pragma once

#include "model/module1.h"

#include <QString>

namespace wyk {

// What lies under the pointer in the drawing, in the drawing's (logical) pixels, and the texts
// the status line shows for it. Nothing here draws or changes the view.

// A point counts as under the pointer when its drawn centre lies within kPunktReichweite
// pixels, a move when its drawn segment passes within kLinienReichweite pixels.
constexpr double kPunktReichweite = 5.0;
constexpr double kLinienReichweite = 3.0;
// Decimals of lengths and distances in the texts.
constexpr int kMessStellen = 4;
// On the page, which knows no desktop settings: the travel in pixels below which a press and
// release is a click (the desktop's usual drag distance), and the time in milliseconds from
// which a touch that picks a point measures to it instead.
constexpr int kKlickWeg = 10;
constexpr int kLangesTippen = 500;

struct Treffer {
    enum class Art { Nichts, Punkt, Linie };
    Art art = Art::Nichts;
    int nummer = 0; // the point's or the move's number; point 0 is the origin
    friend bool operator==(const Treffer&, const Treffer&) = default;
};

// What the pointer at (x, y) shows, with the current basis, origin and check boxes. Drawn
// points are those shown as discs (points on, and the marked points), and the ends of the
// segments drawn (lines on, and the marked move); the nearest within reach wins, the lower
// number on a tie. Where none is, the move whose drawn segment is within reach, the later one
// where several are, as it lies on top. Otherwise nothing. Positions that are not finite are
// never hit.
[[nodiscard]] Treffer trefferBei(const Module1& m, int x, int y);

// "Punkt 17: x 1.5, y -2, z 0", the coordinates as the debug window's table writes them.
[[nodiscard]] QString punktText(const Module1& m, int p);
// "Linie 5: Punkt 4 – Punkt 9, Farbe 3, Länge 2.5": the move's start and end point, its
// colour code and its length in model units (StrGerundet, kMessStellen).
[[nodiscard]] QString linienText(const Module1& m, int l);
// "Punkt 3 → Punkt 17: Abstand 4.1231, Δx 1, Δy 4, Δz 0": the distance from point a to
// point b and its components, as linienText writes lengths.
[[nodiscard]] QString messText(const Module1& m, int a, int b);
// The text of a hit; empty for nothing.
[[nodiscard]] QString trefferText(const Module1& m, Treffer t);
// What the status line shows without a pointer over the drawing: the measurement where two
// points are marked, else nothing.
[[nodiscard]] QString markenText(const Module1& m);

// A click on the drawing at (x, y) picks what lies there: a point (not the origin, which has
// no row) becomes debugpkt, a move debuglinie; on empty drawing both marks go. With messen
// (Shift held) and a point marked, a click on another point measures: that point becomes
// messpkt. Any other pick ends a measurement. Redraws when a mark changed; gives the hit.
Treffer klicken(Module1& m, int x, int y, bool messen);

// Ends a measurement (Escape on the drawing): messpkt goes and the drawing is redrawn. Tells
// whether there was one.
bool messungBeenden(Module1& m);

// The start point of move l (1 to kTabellenGrenze): the end of the move before, the origin
// for the first.
[[nodiscard]] int linienAnfang(const Module1& m, int l);

} // namespace wyk
