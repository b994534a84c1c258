#pragma once

#include "model/module1.h"
#include "platform/outcome.h"

#include <QString>

namespace wyk {

// Smallest and largest edge of a preview picture, in pixels.
constexpr int kKleinsteVorschau = 16;
constexpr int kGroessteVorschau = 4096;

// The most bytes of a model file a preview reads: a file that needs more gives no preview, so
// that no file can keep a file manager waiting for long.
constexpr qint64 kVorschauHoechstens = qint64(64) << 20;

// Writes the preview a file manager shows for the model: a PNG of groesse x groesse pixels
// (kKleinsteVorschau..kGroessteVorschau) with the segments of the pen path in the start
// angles on black, scaled by einpassen to fill the picture, no points and no axes. Drawn by
// the renderer into a picture of its own; zebild is neither needed nor touched, and the view
// of m is left fitted to the preview. The file appears only when complete, and never over
// the model's own file (modellSchuetzen).
Outcome schreibeVorschau(Module1& m, int groesse, const QString& path);

} // namespace wyk
