#pragma once

#include "model/module1.h"

#include <QByteArray>

namespace wyk {

// One self-contained HTML page, UTF-8, that shows the model in a browser and lets the reader
// turn, shift and zoom it like the main window. It opens with the current view (angles, zoom,
// origin, drawing size, check boxes and debug highlights) and draws as zeichnen does. The
// points, moves, label pixels, the renderer's and drag rule's constants and the drawing's keys
// (kZeichnungsTasten) are embedded as JSON holding numbers and fixed names only; the script and style come from the application's resources;
// without them the result is empty. The page loads nothing else. It also works by keyboard
// and touch, names what the pointer rests on, picks and measures as the main window does, and
// shrinks the drawing in proportion on a window narrower than it. Its address follows the view
// shown, and opened with such an address the page shows that view (format in webviewer.js).
[[nodiscard]] QByteArray webSeite(const Module1& m);

} // namespace wyk
