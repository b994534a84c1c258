#include "view/einpassen.h"

#include "platform/numbers.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace wyk {

namespace {

// The smallest box around the screen positions, at scale 1 and origin (0, 0), of what is drawn.
struct Umriss {
    double links = std::numeric_limits<double>::infinity();
    double rechts = -std::numeric_limits<double>::infinity();
    double oben = std::numeric_limits<double>::infinity();
    double unten = -std::numeric_limits<double>::infinity();

    bool leer() const { return links > rechts; }
};

class Vermessung {
public:
    Vermessung(const Module1& m, const Basis& basis) : m_(m), basis_(basis) {}

    // Adds the position of row p of the point table, when it is one and lies at a finite
    // position.
    void dazu(int p) {
        if (p < 0 || p > kTabellenGrenze) {
            return;
        }
        const auto [x, y] = bildlage(basis_, m_.punkt[p]);
        if (std::isfinite(x) && std::isfinite(y)) {
            u_.links = std::min(u_.links, x);
            u_.rechts = std::max(u_.rechts, x);
            u_.oben = std::min(u_.oben, y);
            u_.unten = std::max(u_.unten, y);
        }
    }

    const Umriss& umriss() const { return u_; }

private:
    const Module1& m_;
    Basis basis_;
    Umriss u_;
};

// What is drawn, measured under the basis.
Umriss vermessen(const Module1& m, Anzeige anzeige, const Basis& basis) {
    Vermessung v(m, basis);
    for (int p = 1; anzeige.punkte && p <= std::min(m.anzpkt, kTabellenGrenze); ++p) {
        v.dazu(p);
    }
    int a = 0;
    for (int l = 1; anzeige.linien && l <= std::min(m.anzlin, kTabellenGrenze); ++l) {
        const int b = m.linie[l][1];
        if (m.linie[l][2] != 0) {
            v.dazu(a);
            v.dazu(b);
        }
        a = b;
    }
    return v.umriss();
}

// The largest scale at which a span of the given length fits into the pixels available; no
// limit for a span of length 0.
double passend(double verfuegbar, double laenge) {
    return laenge > 0 ? std::max(verfuegbar, 0.0) / laenge
                      : std::numeric_limits<double>::infinity();
}

// The origin that puts the middle of the span lo..hi, at the given scale, into the middle of
// the given number of pixels.
int mitte(int pixel, double lo, double hi, double massstab) {
    return toInteger(std::floor(pixel / 2.0 - massstab * (lo + hi) / 2 + 0.5));
}

// The fitting of what the box u holds.
std::optional<Einpassung> passendZu(const Module1& m, Anzeige anzeige, bool ganzzahlig,
                                    const Umriss& u) {
    if (u.leer()) {
        return std::nullopt;
    }
    // A position's pixel is where its real coordinate falls; one pixel on each side is kept
    // for rounding the origin to whole pixels, and the radius of a point's disc.
    const int rand = std::max(1, std::min(m.breite, m.hoehe) / 32) + 1 +
                     (anzeige.punkte ? kPunktScheibe / 2 : 0);
    double massstab = m.zoomfaktor;
    if (u.rechts > u.links || u.unten > u.oben) {
        massstab = std::min({passend(m.breite - 2 * rand, u.rechts - u.links),
                             passend(m.hoehe - 2 * rand, u.unten - u.oben),
                             static_cast<double>(std::numeric_limits<int>::max())});
    }
    if (ganzzahlig) {
        massstab = std::max(1.0, std::floor(massstab));
    }
    return Einpassung{massstab, mitte(m.breite, u.links, u.rechts, massstab),
                      mitte(m.hoehe, u.oben, u.unten, massstab)};
}

} // namespace

std::optional<Einpassung> einpassen(const Module1& m, Anzeige anzeige, bool ganzzahlig) {
    return passendZu(m, anzeige, ganzzahlig, vermessen(m, anzeige, basisBei(m, 1.0)));
}

double bildDrehung(double start, int i, int bilder) {
    return start + 2 * std::numbers::pi * i / bilder;
}

std::optional<Einpassung> einpassenRundum(const Module1& m, Anzeige anzeige, bool ganzzahlig,
                                          int bilder) {
    Umriss alle;
    std::array<double, 4> winkel = m.rotwinkel;
    for (int i = 0; i < bilder; ++i) {
        winkel[3] = bildDrehung(m.rotwinkel[3], i, bilder);
        const Umriss u = vermessen(m, anzeige, basisBei(winkel, 1.0));
        alle.links = std::min(alle.links, u.links);
        alle.rechts = std::max(alle.rechts, u.rechts);
        alle.oben = std::min(alle.oben, u.oben);
        alle.unten = std::max(alle.unten, u.unten);
    }
    return passendZu(m, anzeige, ganzzahlig, alle);
}

void einpassungAnwenden(Module1& m, const Einpassung& e) {
    m.origx = e.origx;
    m.origy = e.origy;
    m.basis = basisBei(m, e.massstab);
    m.zoomfaktor = std::max(1, toInteger(e.massstab));
}

} // namespace wyk
