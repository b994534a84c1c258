#pragma once

#include "model/module1.h"
#include "platform/outcome.h"

namespace wyk {

// Default view angles: the tilt rotwinkel[1] and the turn rotwinkel[3], in radians.
constexpr double kStartNeigung = 0.3925;
constexpr double kStartDrehung = -0.785;

// Size and depth of the off-screen picture; larger than the largest drawing area.
constexpr int kBildBreite = 2000;
constexpr int kBildHoehe = 1000;
static_assert(kGroessteZeichnung.width() <= kBildBreite &&
              kGroessteZeichnung.height() <= kBildHoehe);

// Rebuilds the projection basis from the tilt, the turn and the zoom. basis[k][1] and
// basis[k][2] are the screen x and y (downwards) in pixels of one unit along model axis k.
void rotation2(Module1& m);

// A projection basis as rotation2 builds it: basis[k][1] and basis[k][2] for model axis k.
using Basis = std::array<std::array<double, 3>, 4>;

// The basis rotation2 builds, at a scale of massstab pixels per model unit that need not be
// a whole number; nothing is stored.
[[nodiscard]] Basis basisBei(const Module1& m, double massstab);
// The same for the angles rotwinkel in place of m's.
[[nodiscard]] Basis basisBei(const std::array<double, 4>& rotwinkel, double massstab);

// Screen position relative to the origin, before conversion to whole pixels, of the point q
// (x, y, z in elements 1..3) under the basis b.
struct Bildlage {
    double x;
    double y;
};
[[nodiscard]] inline Bildlage bildlage(const Basis& b, const std::array<double, 4>& q) {
    return {q[1] * b[1][1] + q[2] * b[2][1] + q[3] * b[3][1],
            q[1] * b[1][2] + q[2] * b[2][2] + q[3] * b[3][2]};
}

// Prepares the view when the main window opens: creates zebild, sets the default angles,
// shows the zoom in the zoom field, builds the basis and draws the first picture. Fails only
// when the picture cannot be allocated.
Outcome init(Module1& m);

} // namespace wyk
