#pragma once

#include "model/module1.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>

namespace wyk {

// What the main window's controls do to the view. Each function changes the view state and
// then rebuilds the basis and redraws as the control requires; the window only forwards its
// events. Nothing here overflows: results beyond the Integer range saturate.

// The canvas's top-left corner in the window's content, and the margin the content keeps to
// the right of and below the drawing area: that corner plus 20 pixels.
constexpr QPoint kCanvasEcke(156, 15);
constexpr QSize kRand(kCanvasEcke.x() + 20, kCanvasEcke.y() + 20);

// Limits of the window's content size: the drawing area's limits with the margin.
constexpr QSize kInhaltMin = kKleinsteZeichnung + kRand;
constexpr QSize kInhaltMax = kGroessteZeichnung + kRand;

// Drawing area for a content size, kept within the window's limits even when a window
// manager ignores them.
[[nodiscard]] int zeichenBreite(int contentWidth);
[[nodiscard]] int zeichenHoehe(int contentHeight);

// Mouse pressed on the canvas: remembers the position for the following drags.
void mausRunter(Module1& m, int x, int y);

// The drag rule when rotating: kZiehStrecke pixels of mouse travel change an angle by
// kZiehWinkel radians.
constexpr double kZiehStrecke = 200.0;
constexpr double kZiehWinkel = 3.14;

// A drag by (dx, dy) pixels. Rotating: 200 pixels across turn the model by 3.14 radians
// about its z axis, 200 pixels down tilt it by as much. Shifting: the origin follows. Redraws
// also when both are 0.
void ziehenUm(Module1& m, std::int64_t dx, std::int64_t dy, bool rotieren);

// Mouse dragged to (x, y): a drag by the travel from the last position, which becomes (x, y).
void mausZiehen(Module1& m, int x, int y, bool rotieren);

// Whether a drag begun with that button and modifiers does the other motion: the left button
// alone does what the mode chooses; the middle button, or the left with Shift, does the other
// one (shifting where "rotieren" is chosen, turning where "verschieben" is) by the same rules.
[[nodiscard]] bool andereBewegung(Qt::MouseButton knopf, Qt::KeyboardModifiers mods);

// An arrow key's drag on the focused drawing, in pixels (kZeichnungsTasten).
constexpr int kTastenSchritt = 10;

// A key (a Qt::Key) pressed in the zoom field: Up and Down are the zoom arrows, PageUp and
// PageDown ten of their steps at once. Tells whether the key was one of these.
bool zoomTaste(Module1& m, int taste);

// Wheel turned by delta notches (positive zooms out); the zoom stays at least 1.
void mausRad(Module1& m, int delta);

// Zoom arrows. zoomRunter does nothing, not even a redraw, at zoom 1 and tells whether it
// changed the zoom.
bool zoomRunter(Module1& m);
void zoomRauf(Module1& m);

// The zoom field's text changed. Text that does not give a zoom of at least 1 sets 1; then
// the result is true and the field must show "1".
bool zoomText(Module1& m, const QString& text);

// "reset": the start angles and the origin in the middle of the drawing area.
void zuruecksetzen(Module1& m);

// The drawing area now has the given size; the origin keeps its place relative to the area's
// size. Nothing is redrawn.
void zeichnungSetzen(Module1& m, QSize groesse);

// The canvas now shows on a screen of the given device pixel ratio: the drawing is redrawn at
// that density. Mouse positions and the view stay in the window's pixels.
void dichteSetzen(Module1& m, double dichte);

// The window's content now has the given size: the drawing area follows it as
// zeichnungSetzen has it, then the scene is redrawn.
void groesseGeaendert(Module1& m, int contentWidth, int contentHeight);

} // namespace wyk
