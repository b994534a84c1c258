#pragma once

#include <QRect>

class QWidget;

namespace wyk {

// Gives a window's control its name and its place. wo is in the coordinates of bezug, the
// widget that holds the window's controls; it is the control's parent or, for a control
// inside a group box, one of the parent's ancestors. Without bezug, wo is in the parent's
// coordinates.
void platzieren(QWidget* control, const char* name, const QRect& wo,
                const QWidget* bezug = nullptr);

// Keeps a window about to open wholly on the screen it opens on: a window larger than the
// screen's free area (without panels) becomes as large as that area allows, never smaller
// than its minimum size; a window placed by the program moves, as little as it needs, into
// that area, and where it cannot fit it, its top-left corner, and so its title bar, goes to
// the area's top-left corner. Before a window was shown its frame is not known: a title
// bar of the style's height is reckoned with; called again once it shows, the frame the
// platform reports counts. A window the window manager places is left where it is placed.
void aufSchirmHalten(QWidget& fenster);

} // namespace wyk
