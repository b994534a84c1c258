#pragma once

#include "model/module1.h"
#include "view/projection.h"

#include <QKeySequence>
#include <QString>
#include <Qt>
#include <array>
#include <numbers>

namespace wyk {

// A standard view: the turn rotwinkel[3] and the tilt rotwinkel[1] that show the model from
// one side, and the name --view gives it.
struct Seite {
    const char* name;
    double drehung;
    double neigung;
};

// Front: looking along +y, x to the right and z up. Right: looking along -x, y to the right
// and z up. Top: looking down the z axis, x to the right and y up. Back, left and bottom are
// the same sides seen from the opposite direction, not mirrored. Start is the view the main
// window opens with.
inline constexpr double kViertel = std::numbers::pi / 2;
inline constexpr std::array<Seite, 7> kSeiten = {{
    {"front", 0.0, 0.0},
    {"back", std::numbers::pi, 0.0},
    {"right", -kViertel, 0.0},
    {"left", kViertel, 0.0},
    {"top", 0.0, kViertel},
    {"bottom", 0.0, -kViertel},
    {"start", kStartDrehung, kStartNeigung},
}};

// The keys of the focused drawing that choose a standard view: the digit alone gives the
// side vorn, with Ctrl the opposite side gegen (indices into kSeiten).
struct SeitenTaste {
    char ziffer;
    int vorn;
    int gegen;
};
inline constexpr std::array<SeitenTaste, 3> kSeitenTasten = {
    {{'1', 0, 1}, {'3', 2, 3}, {'7', 4, 5}}};

// The key that fits the whole model into the drawing.
inline constexpr char kEinpassTaste = 'F';

// The key that shows kSeiten[seite] on the focused drawing: the digit of kSeitenTasten, with
// Ctrl for the opposite side; an empty sequence for a side without a key.
[[nodiscard]] QKeySequence seitenTaste(std::size_t seite);

// The standard view of that name (as kSeiten spells it, in any case), or null.
[[nodiscard]] const Seite* seiteNamens(const QString& name);

// Sets the two angles of the side; zoom and origin stay. Rebuilds the basis and redraws once.
void seiteZeigen(Module1& m, const Seite& seite);

// What the F key does: the largest whole zoom at which everything drawn with the current
// angles and check boxes fits the drawing, centred there (einpassen), shown in the zoom field.
// Where even zoom 1 is too large the model is centred at zoom 1; where nothing is drawn
// nothing changes. Rebuilds the basis and redraws once either way.
void einpassenZeigen(Module1& m);

// A key pressed on the focused drawing: a digit of kSeitenTasten (also from the keypad), alone
// or with Ctrl, shows its side; kEinpassTaste without Ctrl, Alt or Meta fits. Gives whether
// the key was one of these; any other key or modifier changes nothing.
bool ansichtTaste(Module1& m, int taste, Qt::KeyboardModifiers mods);

} // namespace wyk
