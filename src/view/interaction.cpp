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

// Changes the zoom by the given number of arrow steps, never below 1; redraws only when the
// zoom changed.
bool zoomUm(Module1& m, int schritte) {
    const int neu = std::max(1, saturiert(std::int64_t{m.zoomfaktor} + schritte));
    if (neu == m.zoomfaktor) {
        return false;
    }
    m.zoomfaktor = neu;
    zoomZeigen(m);
    neuZeichnen(m);
    return true;
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

void ziehenUm(Module1& m, std::int64_t dx, std::int64_t dy, bool rotieren) {
    if (rotieren) {
        m.rotwinkel[3] += static_cast<double>(dx) / kZiehStrecke * kZiehWinkel;
        m.rotwinkel[1] += static_cast<double>(dy) / kZiehStrecke * kZiehWinkel;
    } else {
        m.origx = saturiert(m.origx + dx);
        m.origy = saturiert(m.origy + dy);
    }
    neuZeichnen(m);
}

// The travel is taken in 64 bits, so no position overflows it.
void mausZiehen(Module1& m, int x, int y, bool rotieren) {
    const std::int64_t dx = std::int64_t{x} - m.mausx;
    const std::int64_t dy = std::int64_t{y} - m.mausy;
    m.mausx = x;
    m.mausy = y;
    ziehenUm(m, dx, dy, rotieren);
}

bool andereBewegung(Qt::MouseButton knopf, Qt::KeyboardModifiers mods) {
    return knopf == Qt::MiddleButton ||
           (knopf == Qt::LeftButton && (mods & Qt::ShiftModifier) != Qt::NoModifier);
}

bool zoomTaste(Module1& m, int taste) {
    constexpr int kSeite = 10; // PageUp and PageDown: ten arrow steps
    switch (taste) {
    case Qt::Key_Up:
        zoomRauf(m);
        return true;
    case Qt::Key_Down:
        zoomRunter(m);
        return true;
    case Qt::Key_PageUp:
        zoomUm(m, kSeite);
        return true;
    case Qt::Key_PageDown:
        zoomUm(m, -kSeite);
        return true;
    default:
        return false;
    }
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
