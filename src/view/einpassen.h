#pragma once

#include "model/module1.h"

#include <optional>

namespace wyk {

// A view that shows the whole model: the scale and the origin's pixel position.
struct Einpassung {
    double massstab = 1; // pixels per model unit
    int origx = 0;
    int origy = 0;
};

// The largest scale, with the current angles, at which everything the renderer draws of the
// model lies inside the breite x hoehe area, a margin of 1/32 of its shorter side (at least
// one pixel) left free all round, and the origin that centres the drawing there. What counts
// is what anzeige shows: the discs of points 1..anzpkt and the ends of the segments of the
// pen path; not the axes. With ganzzahlig the scale is the largest whole number at which the
// drawing fits, and 1 when none does (the window's zoom). A drawing that is a single position
// keeps the scale zoomfaktor. Nothing when nothing is drawn at a finite position.
[[nodiscard]] std::optional<Einpassung> einpassen(const Module1& m, Anzeige anzeige,
                                                  bool ganzzahlig);

// The turn of picture i of a turning picture of bilder pictures that starts at the turn
// start: equal steps of one full turn about the vertical axis.
[[nodiscard]] double bildDrehung(double start, int i, int bilder);

// As einpassen, for all bilder pictures of a turning picture from the current angles at once:
// the scale and origin at which each of them shows everything drawn.
[[nodiscard]] std::optional<Einpassung> einpassenRundum(const Module1& m, Anzeige anzeige,
                                                        bool ganzzahlig, int bilder);

// Sets the view to e: the origin, the basis at e's scale and, for the axes' length, the
// zoom to its whole part, at least 1.
void einpassungAnwenden(Module1& m, const Einpassung& e);

} // namespace wyk
