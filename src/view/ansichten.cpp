#include "view/ansichten.h"

#include "platform/numbers.h"
#include "view/einpassen.h"
#include "view/projection.h"
#include "view/renderer.h"
#include "view/zeigen.h"

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
    for (const Zeichnungstaste& t : kZeichnungsTasten) {
        if (t.wirkung != Tastenwirkung::Seite) {
            continue;
        }
        if (std::cmp_equal(t.werte[0], seite)) {
            return QKeySequence(t.taste);
        }
        if (std::cmp_equal(t.werte[1], seite)) {
            return QKeySequence(QKeyCombination(Qt::ControlModifier, t.taste));
        }
    }
    return {};
}

QKeySequence einpassTaste() {
    for (const Zeichnungstaste& t : kZeichnungsTasten) {
        if (t.wirkung == Tastenwirkung::Einpassen) {
            return QKeySequence(t.taste);
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

namespace {

bool nimmt(Tastenumschalter mit, Qt::KeyboardModifiers mods) {
    const Qt::KeyboardModifiers andere = mods & ~Qt::KeypadModifier;
    switch (mit) {
    case Tastenumschalter::OhneStrg:
        return (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    case Tastenumschalter::HoechstensUmschalt:
        return (andere & ~Qt::ShiftModifier) == Qt::NoModifier;
    case Tastenumschalter::StrgGegenseite:
        return andere == Qt::NoModifier || andere == Qt::ControlModifier;
    case Tastenumschalter::Jede:
        return true;
    case Tastenumschalter::Umschalt:
        return mods == Qt::ShiftModifier;
    }
    return false;
}

} // namespace

const Zeichnungstaste* zeichnungsTaste(int taste, Qt::KeyboardModifiers mods) {
    for (const Zeichnungstaste& t : kZeichnungsTasten) {
        if (taste == t.taste && nimmt(t.mit, mods)) {
            return &t;
        }
    }
    return nullptr;
}

bool tasteWirken(Module1& m, const Zeichnungstaste& taste, Qt::KeyboardModifiers mods,
                 bool rotieren) {
    switch (taste.wirkung) {
    case Tastenwirkung::Ziehen:
        ziehenUm(m, taste.werte[0] * kTastenSchritt, taste.werte[1] * kTastenSchritt, rotieren);
        return true;
    case Tastenwirkung::Zoom:
        if (taste.werte[0] > 0) {
            zoomRauf(m);
        } else {
            zoomRunter(m);
        }
        return true;
    case Tastenwirkung::Zuruecksetzen:
        zuruecksetzen(m);
        return true;
    case Tastenwirkung::Seite: {
        const bool gegen = (mods & Qt::ControlModifier) != Qt::NoModifier;
        seiteZeigen(m, kSeiten[taste.werte[gegen ? 1 : 0]]);
        return true;
    }
    case Tastenwirkung::Einpassen:
        einpassenZeigen(m);
        return true;
    case Tastenwirkung::MessungBeenden:
        return messungBeenden(m);
    case Tastenwirkung::Menue:
        return false;
    }
    return false;
}

bool ansichtTaste(Module1& m, int taste, Qt::KeyboardModifiers mods) {
    const Zeichnungstaste* t = zeichnungsTaste(taste, mods);
    if (t == nullptr ||
        (t->wirkung != Tastenwirkung::Seite && t->wirkung != Tastenwirkung::Einpassen)) {
        return false;
    }
    return tasteWirken(m, *t, mods, true);
}

} // namespace wyk
