#include "view/renderer.h"

#include "platform/numbers.h"
#include "view/palette.h"
#include "view/projection.h"
#include "view/raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace wyk {

namespace {

// Screen position, before conversion to whole pixels, of every row of the point table.
class Projektion {
public:
    explicit Projektion(const Module1& m) : x_(kTabellenGrenze + 1), y_(kTabellenGrenze + 1) {
        for (int p = 0; p <= kTabellenGrenze; ++p) {
            const Bildlage lage = bildlage(m.basis, m.punkt[p]);
            x_[p] = lage.x;
            y_[p] = lage.y;
        }
    }

    static bool gueltig(int p) { return p >= 0 && p <= kTabellenGrenze; }
    double x(int p) const { return x_[p]; }
    double y(int p) const { return y_[p]; }

private:
    std::vector<double> x_;
    std::vector<double> y_;
};

// The device pixel of a position in the drawing's pixels: scaled by the density, then
// converted to whole pixels. At density 1 the scaling is exact.
Pixel whole(double x, double y, double dichte) {
    return {toInteger(x * dichte), toInteger(y * dichte)};
}

bool endlich(double x, double y) {
    return std::isfinite(x) && std::isfinite(y);
}

// Pens stamp squares at density 1, as they always have; scaled pens lie across the line, so
// that a line keeps one width at every density.
Stift stiftArt(const Module1& m) {
    return m.dichte == 1.0 ? Stift::Quadrat : Stift::Quer;
}

// Disc of the given size centred on point p, its box's corner offset by half the size.
void scheibe(Zeichenflaeche& r, const Projektion& proj, const Module1& m, int p, int size) {
    const double half = size / 2;
    const double x = (proj.x(p) - half) + m.origx;
    const double y = (proj.y(p) - half) + m.origy;
    if (endlich(x, y)) {
        r.fillDisc(whole(x, y, m.dichte), geraeteLaenge(size, m.dichte));
    }
}

// The segment from point a to point b; skipped when either end is no point of the tables or
// lies at infinity.
void strecke(Zeichenflaeche& r, const Projektion& proj, const Module1& m, int a, int b) {
    if (!Projektion::gueltig(a) || !Projektion::gueltig(b)) {
        return;
    }
    double ax = proj.x(a) + m.origx;
    double ay = proj.y(a) + m.origy;
    double bx = proj.x(b) + m.origx;
    double by = proj.y(b) + m.origy;
    if (!endlich(ax, ay) || !endlich(bx, by)) {
        return;
    }
    const double far = kWeitDraussen / m.dichte;
    const bool weit =
        std::fabs(ax) > far || std::fabs(ay) > far || std::fabs(bx) > far || std::fabs(by) > far;
    if (weit) {
        // Only the part inside the far box can reach the picture.
        if (!clipSegment(ax, ay, bx, by, -far, far, -far, far)) {
            return;
        }
    }
    r.drawLine(whole(ax, ay, m.dichte), whole(bx, by, m.dichte));
}

void punkte(Zeichenflaeche& r, const Projektion& proj, const Module1& m) {
    for (int p = 1; p <= m.anzpkt && p <= kTabellenGrenze; ++p) {
        scheibe(r, proj, m, p, kPunktScheibe);
    }
}

void linien(Zeichenflaeche& r, const Projektion& proj, const Module1& m) {
    int a = 0;
    for (int l = 1; l <= m.anzlin && l <= kTabellenGrenze; ++l) {
        const int b = m.linie[l][1];
        const int q = m.linie[l][2];
        if (q != 0) {
            r.setColor(farbe(q));
            strecke(r, proj, m, a, b);
        }
        a = b;
    }
    r.setColor(kWeiss);
}

void linienMarke(Zeichenflaeche& r, const Projektion& proj, const Module1& m) {
    const int d = m.debuglinie;
    if (d > kTabellenGrenze) {
        return;
    }
    const int a = d >= 2 ? m.linie[d - 1][1] : 0;
    r.setColor(kGruen);
    r.setPen(geraeteLaenge(kMarkeStift, m.dichte), stiftArt(m));
    strecke(r, proj, m, a, m.linie[d][1]);
    r.setColor(kWeiss);
    r.setPen(geraeteLaenge(1, m.dichte), stiftArt(m));
}

// A label in the raster's current colour with the left end of its baseline at the given pixel.
void beschriftung(Zeichenflaeche& r, Pixel baseline, QChar text, double dichte) {
    for (const QPoint& p : beschriftungsPunkte(text, dichte)) {
        r.plot(baseline.x + p.x(), baseline.y + p.y());
    }
}

void achsen(Zeichenflaeche& r, const Module1& m) {
    const double s = kAchsenLaenge / static_cast<double>(m.zoomfaktor);
    const double d = m.dichte;
    const Pixel origin = whole(m.origx, m.origy, d);
    const int half = kUrsprungScheibe / 2;
    r.setColor(kRot);
    // In doubles: the origin may lie at the edge of the Integer range.
    r.fillDisc(whole(static_cast<double>(m.origx) - half, static_cast<double>(m.origy) - half, d),
               geraeteLaenge(kUrsprungScheibe, d));
    std::array<Pixel, 3> tips;
    for (int k = 1; k <= 3; ++k) {
        tips[k - 1] = whole(m.basis[k][1] * s + m.origx, m.basis[k][2] * s + m.origy, d);
        r.drawLine(origin, tips[k - 1]);
    }
    const char labels[3] = {'x', 'y', 'z'};
    for (int k = 0; k < 3; ++k) {
        beschriftung(r, tips[k], QChar::fromLatin1(labels[k]), d);
    }
}

} // namespace

std::vector<QPoint> beschriftungsPunkte(QChar text, double dichte) {
    // Each letter's pixels row by row from the top, x to the right of the baseline's left end.
    static constexpr std::array<std::pair<int, int>, 14> kX{
        {{0, -7}, {5, -7}, {1, -6}, {4, -6}, {1, -5}, {4, -5}, {2, -4}, {3, -4}, {1, -3}, {4, -3},
         {1, -2}, {4, -2}, {0, -1}, {5, -1}}};
    static constexpr std::array<std::pair<int, int>, 17> kY{
        {{0, -7}, {5, -7}, {0, -6}, {5, -6}, {1, -5}, {4, -5}, {1, -4}, {4, -4}, {2, -3}, {4, -3},
         {2, -2}, {3, -2}, {3, -1}, {3, 0}, {2, 1}, {0, 2}, {1, 2}}};
    static constexpr std::array<std::pair<int, int>, 15> kZ{
        {{0, -7}, {1, -7}, {2, -7}, {3, -7}, {4, -7}, {4, -6}, {3, -5}, {2, -4}, {1, -3}, {0, -2},
         {0, -1}, {1, -1}, {2, -1}, {3, -1}, {4, -1}}};
    // Each pixel becomes a square of the width of a line at the density, at dichte times its
    // place, so that the strokes keep one width.
    const int s = geraeteLaenge(1, dichte);
    const auto punkte = [s, dichte](const auto& tabelle) {
        std::vector<QPoint> liste;
        for (const auto& [x, y] : tabelle) {
            const QPoint ecke(static_cast<int>(std::floor(x * dichte)),
                              static_cast<int>(std::floor(y * dichte)));
            for (int j = 0; j < s * s; ++j) {
                liste.push_back(ecke + QPoint(j % s, j / s));
            }
        }
        return liste;
    };
    switch (text.unicode()) {
    case u'x':
        return punkte(kX);
    case u'y':
        return punkte(kY);
    case u'z':
        return punkte(kZ);
    default:
        return {};
    }
}

std::vector<int> markiertePunkte(const Module1& m) {
    std::vector<int> punkte;
    if (m.debugpkt > 0 && m.debugpkt <= kTabellenGrenze) {
        punkte.push_back(m.debugpkt);
        if (m.messpkt > 0 && m.messpkt <= kTabellenGrenze) {
            punkte.push_back(m.messpkt);
        }
    }
    return punkte;
}

int geraeteLaenge(int laenge, double dichte) {
    return dichte == 1.0 ? laenge : std::max(1, static_cast<int>(std::lround(laenge * dichte)));
}

QSize geraeteGroesse(const Module1& m) {
    const auto seite = [&m](int laenge) {
        return std::clamp(static_cast<int>(std::ceil(laenge * m.dichte)), 0, kGroessteGeraeteSeite);
    };
    return {seite(m.breite), seite(m.hoehe)};
}

void szeneZeichnen(Zeichenflaeche& r, const Module1& m, Anzeige anzeige) {
    const Projektion proj(m);
    const QSize flaeche = geraeteGroesse(m);
    r.setColor(kSchwarz);
    r.fillRect({0, 0}, flaeche.width(), flaeche.height());
    r.setColor(kWeiss);
    r.setPen(geraeteLaenge(1, m.dichte), stiftArt(m));
    if (anzeige.punkte) {
        punkte(r, proj, m);
    }
    r.setColor(kGruen);
    for (const int p : markiertePunkte(m)) {
        scheibe(r, proj, m, p, kMarkeScheibe);
    }
    r.setColor(kWeiss);
    if (anzeige.linien) {
        linien(r, proj, m);
    }
    if (m.debuglinie > 0) {
        linienMarke(r, proj, m);
    }
    if (anzeige.achsen) {
        achsen(r, m);
    }
}

void zeichnen(Module1& m) {
    if (m.zebild.isNull()) {
        return;
    }
    const QSize flaeche = geraeteGroesse(m);
    if (flaeche.width() > m.zebild.width() || flaeche.height() > m.zebild.height()) {
        // A denser screen: the picture grows, and stays as large when the density falls again.
        QImage groesser(std::max(flaeche.width(), m.zebild.width()),
                        std::max(flaeche.height(), m.zebild.height()), QImage::Format_RGB16);
        if (groesser.isNull()) {
            return;
        }
        groesser.fill(Qt::black);
        m.zebild = groesser;
    }
    m.zebild.setDevicePixelRatio(m.dichte);
    // Pixels outside the drawing area are never shown, so nothing is drawn there.
    Raster r(m.zebild, flaeche.width(), flaeche.height());
    szeneZeichnen(r, m, m.anzeige);
    r.fertig();
    if (m.fenster.canvasZeigen) {
        m.fenster.canvasZeigen();
    }
}

} // namespace wyk
