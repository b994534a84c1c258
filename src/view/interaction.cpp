#include "view/interaction.h"

#include "platform/numbers.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace wyk {

namespace {

int saturiert(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

void zoomZeigen(const Module1& m) {
    if (m.fenster.zoomTextSetzen) {
        m.fenster.zoomTextSetzen(Str(m.zoomfaktor));
    }
}

void neuZeichnen(Module1& m) {
    rotation2(m);
    zeichnen(m);
}

// Adds the mouse travel from the last position to the new one to an angle by the drag rule. The
// travel is taken in 64 bits, so no position overflows it.
void drehen(double& winkel, int& letzte, int neu) {
    if (neu != letzte) {
        winkel += static_cast<double>(std::int64_t{neu} - letzte) / kZiehStrecke * kZiehWinkel;
        letzte = neu;
    }
}

// Moves an origin coordinate by the mouse travel.
void schieben(int& orig, int& letzte, int neu) {
    if (neu != letzte) {
        orig = saturiert(std::int64_t{orig} + neu - letzte);
        letzte = neu;
    }
}

} // namespace

int zeichenBreite(int contentWidth) {
    return std::clamp(contentWidth, kInhaltMin.width(), kInhaltMax.width()) - kRand.width();
}

int zeichenHoehe(int contentHeight) {
    return std::clamp(contentHeight, kInhaltMin.height(), kInhaltMax.height()) - kRand.height();
}

void mausRunter(Module1& m, int x, int y) {
    m.mausx = x;
    m.mausy = y;
}

void mausZiehen(Module1& m, int x, int y, bool rotieren) {
    if (rotieren) {
        drehen(m.rotwinkel[3], m.mausx, x);
        drehen(m.rotwinkel[1], m.mausy, y);
    } else {
        schieben(m.origx, m.mausx, x);
        schieben(m.origy, m.mausy, y);
    }
    neuZeichnen(m);
}

void mausRad(Module1& m, int delta) {
    m.zoomfaktor = std::max(1, saturiert(std::int64_t{m.zoomfaktor} - delta));
    zoomZeigen(m);
    neuZeichnen(m);
}

bool zoomRunter(Module1& m) {
    if (m.zoomfaktor <= 1) {
        return false;
    }
    --m.zoomfaktor;
    zoomZeigen(m);
    neuZeichnen(m);
    return true;
}

void zoomRauf(Module1& m) {
    m.zoomfaktor = saturiert(std::int64_t{m.zoomfaktor} + 1);
    zoomZeigen(m);
    neuZeichnen(m);
}

bool zoomText(Module1& m, const QString& text) {
    m.zoomfaktor = toInteger(Val(text));
    const bool zuKlein = m.zoomfaktor < 1;
    if (zuKlein) {
        m.zoomfaktor = 1;
    }
    neuZeichnen(m);
    return zuKlein;
}

void zuruecksetzen(Module1& m) {
    m.rotwinkel[1] = kStartNeigung;
    m.rotwinkel[3] = kStartDrehung;
    m.origx = toInteger(m.breite / 2.0);
    m.origy = toInteger(m.hoehe / 2.0);
    neuZeichnen(m);
}

void zeichnungSetzen(Module1& m, QSize groesse) {
    const double qx = static_cast<double>(m.origx) / static_cast<double>(m.breite);
    const double qy = static_cast<double>(m.origy) / static_cast<double>(m.hoehe);
    m.hoehe = groesse.height();
    m.breite = groesse.width();
    m.origx = toInteger(m.breite * qx);
    m.origy = toInteger(m.hoehe * qy);
}

void groesseGeaendert(Module1& m, int contentWidth, int contentHeight) {
    zeichnungSetzen(m, QSize(zeichenBreite(contentWidth), zeichenHoehe(contentHeight)));
    zeichnen(m);
}

void dichteSetzen(Module1& m, double dichte) {
    m.dichte = dichte;
    zeichnen(m);
}

} // namespace wyk
