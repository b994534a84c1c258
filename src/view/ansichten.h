#pragma once

#include "model/module1.h"
#include "view/interaction.h"
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

// What a key of the focused drawing does.
enum class Tastenwirkung {
    Ziehen,         // a drag by (dx, dy) times kTastenSchritt pixels, in the mode's motion
    Zoom,           // a zoom arrow
    Zuruecksetzen,  // "reset"
    Seite,          // a standard view, with Ctrl the opposite side
    Einpassen,      // fits the whole model into the drawing (einpassenZeigen)
    MessungBeenden, // ends the measurement that stands
    Menue,          // opens the drawing's context menu
};

// The modifiers a key acts with; the keypad's counts as none.
enum class Tastenumschalter {
    OhneStrg,           // any but Ctrl, Alt and Meta
    HoechstensUmschalt, // none or Shift
    StrgGegenseite,     // none, or Ctrl alone for the opposite side
    Jede,               // any
    Umschalt,           // Shift alone
};

// A key of the focused drawing by name: its KeyboardEvent.key in the page (null where the page
// leaves the key to the browser), and its name in the English and in the German help.
struct Tastennamen {
    const char* seite;
    const char* englisch;
    const char* deutsch;
};

// One key of the focused drawing: the Qt key, the modifiers it acts with, what it does and
// with which two numbers: a drag's dx and dy, a zoom's 1 (up) or -1 (down), a standard view's
// indices into kSeiten alone and with Ctrl.
struct Zeichnungstaste {
    Qt::Key taste;
    Tastenumschalter mit;
    Tastenwirkung wirkung;
    std::array<int, 2> werte;
    Tastennamen namen;
};

namespace tastentabelle {
using enum Tastenumschalter;
using enum Tastenwirkung;

// The keys of the focused drawing, in the main window and in the exported page. What handles,
// shows or names them is made from this table.
inline constexpr std::array<Zeichnungstaste, 15> kZeichnungsTasten = {{
    {Qt::Key_Left, OhneStrg, Ziehen, {-1, 0}, {"ArrowLeft", "Left", "Links"}},
    {Qt::Key_Right, OhneStrg, Ziehen, {1, 0}, {"ArrowRight", "Right", "Rechts"}},
    {Qt::Key_Up, OhneStrg, Ziehen, {0, -1}, {"ArrowUp", "Up", "Hoch"}},
    {Qt::Key_Down, OhneStrg, Ziehen, {0, 1}, {"ArrowDown", "Down", "Runter"}},
    {Qt::Key_Plus, OhneStrg, Zoom, {1, 0}, {"+", "+", "+"}},
    {Qt::Key_Minus, OhneStrg, Zoom, {-1, 0}, {"-", "-", "-"}},
    {Qt::Key_Home, OhneStrg, Zuruecksetzen, {}, {"Home", "Home", "Pos1"}},
    {Qt::Key_0, OhneStrg, Zuruecksetzen, {}, {"0", "0", "0"}},
    {Qt::Key_1, StrgGegenseite, Seite, {0, 1}, {"1", "1", "1"}},
    {Qt::Key_3, StrgGegenseite, Seite, {2, 3}, {"3", "3", "3"}},
    {Qt::Key_7, StrgGegenseite, Seite, {4, 5}, {"7", "7", "7"}},
    {Qt::Key_F, HoechstensUmschalt, Einpassen, {}, {"F", "F", "F"}},
    {Qt::Key_Escape, Jede, MessungBeenden, {}, {"Escape", "Escape", "Escape"}},
    {Qt::Key_Menu, Jede, Menue, {}, {nullptr, "Menu", "Menütaste"}},
    {Qt::Key_F10, Umschalt, Menue, {}, {nullptr, "Shift+F10", "Umschalt+F10"}},
}};
} // namespace tastentabelle
using tastentabelle::kZeichnungsTasten;

// The row of kZeichnungsTasten of a key (a Qt::Key) pressed with those modifiers, or null
// where no row takes it so.
[[nodiscard]] const Zeichnungstaste* zeichnungsTaste(int taste, Qt::KeyboardModifiers mods);

// Does what the row's key does on the focused drawing, pressed with those modifiers; a drag
// turns where rotieren and shifts elsewhere. Tells whether the view or the marks changed:
// false for the menu's keys, which are the window's, and for Escape where no measurement
// stands.
bool tasteWirken(Module1& m, const Zeichnungstaste& taste, Qt::KeyboardModifiers mods,
                 bool rotieren);

// The key that fits the whole model into the drawing.
[[nodiscard]] QKeySequence einpassTaste();

// The key that shows kSeiten[seite] on the focused drawing: its row's key of kZeichnungsTasten,
// with Ctrl for the opposite side; an empty sequence for a side without a key.
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

// A key pressed on the focused drawing, as tasteWirken has it, where its row shows a standard
// view or fits; any other key or modifier changes nothing. Gives whether the key acted.
bool ansichtTaste(Module1& m, int taste, Qt::KeyboardModifiers mods);

} // namespace wyk
