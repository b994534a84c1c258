#pragma once

#include "model/module1.h"

#include <QByteArray>

namespace wyk {

// One self-contained HTML page, UTF-8, that shows the model in a browser and lets the reader
// turn, shift and zoom it like the main window. It opens with the current view (angles, zoom,
// origin, drawing size, check boxes and debug highlights) and draws as zeichnen does. The
// points, moves and label pixels are embedded as JSON holding numbers only; the script and
// style come from the application's resources; without them the result is empty. The page
// loads nothing else.
[[nodiscard]] QByteArray webSeite(const Module1& m);

} // namespace wyk
