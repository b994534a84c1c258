#pragma once

#include "model/module1.h"

#include <QByteArray>

namespace wyk {

// The current view as a one-page PDF of vectors: the lines, discs and pixels that svgBild
// writes, in the palette's full colours. The page is breite x hoehe pixels times the density
// (dichte), each device pixel 0.75 pt (1/96 inch); the document's title is the model's name.
[[nodiscard]] QByteArray pdfBild(const Module1& m);

} // namespace wyk
