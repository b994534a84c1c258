#pragma once

#include "model/module1.h"

#include <QByteArray>

namespace wyk {

// The current view as an SVG 1.1 picture of breite x hoehe pixels, times the density (dichte),
// UTF-8: what zeichnen would draw, with the same device pixel positions (a line or disc of the
// raster lies around the same pixel centres here) and the palette's full colours. The title
// is the model's name.
[[nodiscard]] QByteArray svgBild(const Module1& m);

} // namespace wyk
