#pragma once

#include <QImage>
#include <QRect>

namespace wyk {

// Copies the part bereich of a 16-bit picture (QImage::Format_RGB16) into the top-left corner
// of ziel as 32-bit pixels (QImage::Format_RGB32), with exactly the colours of QImage's own
// conversion but in a fraction of its time: the canvas copies a whole drawing on every drag.
// ziel is made anew when it is too small; bereich must lie inside the picture.
void alsRgb32(const QImage& rgb16, const QRect& bereich, QImage& ziel);

} // namespace wyk
