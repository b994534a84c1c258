#pragma once

#include "model/module1.h"
#include "platform/filedialogs.h"
#include "platform/outcome.h"

#include <QString>

namespace wyk {

// Redraws the view, copies the breite x hoehe drawing out of zebild, asks for a file name
// proposing "bild" and saves the picture there, in the format its name asks for as with
// schreibeBild. The view is redrawn also when the user cancels.
Outcome savepic(Module1& m, FileDialogs& dialogs);

// The same without a dialog: the picture goes to path, as PNG unless the name ends in the
// extension of another format the system can write. A name ending in .svg (in any case) gives
// the vector picture of svgBild, one ending in .html or .htm the page of webSeite; these two
// neither need nor redraw zebild.
Outcome schreibeBild(Module1& m, const QString& path);

} // namespace wyk
