#include "view/ansichten.h"

#include "platform/numbers.h"
#include "view/einpassen.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <utility>

namespace wyk {

const Seite* seiteNamens(const QString& name) {
    for (const Seite& seite : kSeiten) {
        if (name.compare(QLatin1String(seite.name), Qt::CaseInsensitive) == 0) {
            return &seite;
        }
    }
    return nullptr;
}

QKeySequence seitenTaste(std::size_t seite) {
    for (const SeitenTaste& t : kSeitenTasten) {
        if (std::cmp_equal(t.vorn, seite) || std::cmp_equal(t.gegen, seite)) {
            const Qt::KeyboardModifiers strg =
                std::cmp_equal(t.gegen, seite) ? Qt::ControlModifier : Qt::NoModifier;
            return QKeySequence(QKeyCombination(strg, static_cast<Qt::Key>(t.ziffer)));
        }
    }
    return {};
}

void seiteZeigen(Module1& m, const Seite& seite) {
    m.rotwinkel[3] = seite.drehung;
    m.rotwinkel[1] = seite.neigung;
    rotation2(m);
    zeichnen(m);
}

void einpassenZeigen(Module1& m) {
    if (const auto e = einpassen(m, m.anzeige, true)) {
        einpassungAnwenden(m, *e);
        if (m.fenster.zoomTextSetzen) {
            m.fenster.zoomTextSetzen(Str(m.zoomfaktor));
        }
    }
    zeichnen(m);
}

bool ansichtTaste(Module1& m, int taste, Qt::KeyboardModifiers mods) {
    const Qt::KeyboardModifiers andere = mods & ~Qt::KeypadModifier;
    if (taste == kEinpassTaste && (andere & ~Qt::ShiftModifier) == Qt::NoModifier) {
        einpassenZeigen(m);
        return true;
    }
    if (andere != Qt::NoModifier && andere != Qt::ControlModifier) {
        return false;
    }
    for (const SeitenTaste& t : kSeitenTasten) {
        if (taste == t.ziffer) {
            seiteZeigen(m, kSeiten[andere == Qt::ControlModifier ? t.gegen : t.vorn]);
            return true;
        }
    }
    return false;
}

} // namespace wyk
