#include "view/zeigen.h"

#include "platform/numbers.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <array>
#include <cmath>
#include <vector>

namespace wyk {

namespace {

bool zeile(int p) {
    return p >= 0 && p <= kTabellenGrenze;
}

// Where point p is drawn, as the renderer places it before converting to whole pixels.
struct Lage {
    double x;
    double y;
    bool endlich;
};

Lage lageVon(const Module1& m, int p) {
    const Bildlage b = bildlage(m.basis, m.punkt[p]);
    const double x = b.x + m.origx;
    const double y = b.y + m.origy;
    return {x, y, std::isfinite(x) && std::isfinite(y)};
}

// The squared distance from (x, y) to the segment from a to b.
double abstandZurStrecke(double x, double y, const Lage& a, const Lage& b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double laenge = dx * dx + dy * dy;
    double t = laenge > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / laenge : 0.0;
    t = t < 0 ? 0.0 : (t > 1 ? 1.0 : t);
    const double ex = a.x + t * dx - x;
    const double ey = a.y + t * dy - y;
    return ex * ex + ey * ey;
}

// The moves drawn as segments, each with its start and end point.
struct Strecke {
    int linie;
    int a;
    int b;
};

std::vector<Strecke> gezeichneteStrecken(const Module1& m) {
    std::vector<Strecke> strecken;
    if (m.anzeige.linien) {
        for (int l = 1; l <= m.anzlin && l <= kTabellenGrenze; ++l) {
            if (m.linie[l][2] != 0) {
                strecken.push_back({l, linienAnfang(m, l), m.linie[l][1]});
            }
        }
    }
    if (m.debuglinie > 0 && m.debuglinie <= kTabellenGrenze) {
        strecken.push_back({m.debuglinie, linienAnfang(m, m.debuglinie), m.linie[m.debuglinie][1]});
    }
    return strecken;
}

// The distance of two points in model units, in the operations the page repeats exactly.
double punktAbstand(const Module1& m, int a, int b) {
    const double dx = m.punkt[b][1] - m.punkt[a][1];
    const double dy = m.punkt[b][2] - m.punkt[a][2];
    const double dz = m.punkt[b][3] - m.punkt[a][3];
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

QString laenge(double wert) {
    return StrGerundet(wert, kMessStellen);
}

} // namespace

int linienAnfang(const Module1& m, int l) {
    return l >= 2 ? m.linie[l - 1][1] : 0;
}

Treffer trefferBei(const Module1& m, int x, int y) {
    const std::vector<Strecke> strecken = gezeichneteStrecken(m);
    Treffer naechster;
    double bester = kPunktReichweite * kPunktReichweite;
    const auto pruefen = [&](int p) {
        if (!zeile(p)) {
            return;
        }
        const Lage lage = lageVon(m, p);
        const double d = (lage.x - x) * (lage.x - x) + (lage.y - y) * (lage.y - y);
        if (!lage.endlich || d > bester) {
            return;
        }
        if (d < bester || naechster.art == Treffer::Art::Nichts || p < naechster.nummer) {
            naechster = {Treffer::Art::Punkt, p};
            bester = d;
        }
    };
    for (int p = 1; m.anzeige.punkte && p <= m.anzpkt && p <= kTabellenGrenze; ++p) {
        pruefen(p);
    }
    for (const int p : markiertePunkte(m)) {
        pruefen(p);
    }
    for (const Strecke& s : strecken) {
        pruefen(s.a);
        pruefen(s.b);
    }
    if (naechster.art == Treffer::Art::Punkt) {
        return naechster;
    }
    const double reichweite = kLinienReichweite * kLinienReichweite;
    for (const Strecke& s : strecken) {
        if (!zeile(s.a) || !zeile(s.b) || s.linie <= naechster.nummer) {
            continue;
        }
        const Lage a = lageVon(m, s.a);
        const Lage b = lageVon(m, s.b);
        if (a.endlich && b.endlich && abstandZurStrecke(x, y, a, b) <= reichweite) {
            naechster = {Treffer::Art::Linie, s.linie};
        }
    }
    return naechster;
}

Treffer klicken(Module1& m, int x, int y, bool messen) {
    const Treffer t = trefferBei(m, x, y);
    const std::array<int, 3> vorher{m.debugpkt, m.messpkt, m.debuglinie};
    switch (t.art) {
    case Treffer::Art::Punkt:
        if (t.nummer == 0) {
            break;
        }
        if (messen && m.debugpkt > 0 && m.debugpkt != t.nummer) {
            m.messpkt = t.nummer;
        } else {
            m.debugpkt = t.nummer;
            m.messpkt = 0;
        }
        break;
    case Treffer::Art::Linie:
        m.debuglinie = t.nummer;
        m.messpkt = 0;
        break;
    case Treffer::Art::Nichts:
        m.debugpkt = m.messpkt = m.debuglinie = 0;
        break;
    }
    if (vorher != std::array<int, 3>{m.debugpkt, m.messpkt, m.debuglinie}) {
        zeichnen(m);
    }
    return t;
}

bool messungBeenden(Module1& m) {
    if (m.messpkt == 0) {
        return false;
    }
    m.messpkt = 0;
    zeichnen(m);
    return true;
}

QString punktText(const Module1& m, int p) {
    const auto& q = m.punkt[p];
    return QStringLiteral("Punkt %1: x %2, y %3, z %4")
        .arg(Str(p), Str(q[1]), Str(q[2]), Str(q[3]));
}

QString linienText(const Module1& m, int l) {
    const int a = linienAnfang(m, l);
    const int b = m.linie[l][1];
    const double lang = zeile(a) && zeile(b) ? punktAbstand(m, a, b) : std::nan("");
    return QStringLiteral("Linie %1: Punkt %2 – Punkt %3, Farbe %4, Länge %5")
        .arg(Str(l), Str(a), Str(b), Str(m.linie[l][2]), laenge(lang));
}

QString messText(const Module1& m, int a, int b) {
    const auto& p = m.punkt[a];
    const auto& q = m.punkt[b];
    return QStringLiteral("Punkt %1 → Punkt %2: Abstand %3, Δx %4, Δy %5, Δz %6")
        .arg(Str(a), Str(b), laenge(punktAbstand(m, a, b)), laenge(q[1] - p[1]),
             laenge(q[2] - p[2]), laenge(q[3] - p[3]));
}

QString trefferText(const Module1& m, Treffer t) {
    switch (t.art) {
    case Treffer::Art::Punkt:
        return punktText(m, t.nummer);
    case Treffer::Art::Linie:
        return linienText(m, t.nummer);
    case Treffer::Art::Nichts:
        break;
    }
    return {};
}

QString markenText(const Module1& m) {
    const std::vector<int> punkte = markiertePunkte(m);
    return punkte.size() == 2 ? messText(m, punkte[0], punkte[1]) : QString();
}

} // namespace wyk
