#pragma once

#include "model/module1.h"

namespace wyk {

// Draws the whole scene into the breite x hoehe area of zebild: background, points, the
// point highlight, the segments of the pen path, the move highlight and the axes, in that
// order, then shows zebild on the canvas. Does nothing before init has created zebild.
void zeichnen(Module1& m);

} // namespace wyk
