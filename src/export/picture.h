#pragma once

#include "export/gif.h"
#include "model/module1.h"
#include "platform/filedialogs.h"
#include "platform/outcome.h"

#include <QString>

namespace wyk {

// Redraws the view, asks for a file name proposing "bild", offering PNG picture, SVG picture,
// web page, PDF document and GIF animation (of the default Umlauf) as file types, and saves the
// drawing there with schreibeBild. A name without an extension gets that of the selected type,
// except PNG's: PNG is saved under the bare name. The view is redrawn also when the user cancels.
Outcome savepic(Module1& m, FileDialogs& dialogs);

// The same without a dialog: the picture goes to path, at the view's density (a raster of
// geraeteGroesse, vectors as large), as PNG unless the name ends in the
// extension of another format the system can write. A name ending in .svg (in any case) gives
// the vector picture of svgBild, .pdf that of pdfBild, .html or .htm the page of webSeite;
// .gif the turning picture of gifUmlauf with umlauf; these four neither need nor redraw
// zebild. The loaded model's own file is never written (modellSchuetzen).
Outcome schreibeBild(Module1& m, const QString& path, const Umlauf& umlauf = {});

// Writes a raster picture to path in the format QImageWriter knows by that name ("png",
// "bmp", ...), at QImageWriter's quality (-1 the format's default; for PNG a higher quality
// compresses less and faster). The file appears only when complete; a null picture is refused.
Outcome rasterSchreiben(const QImage& bild, const QString& path, const QByteArray& format,
                        int qualitaet = -1);

} // namespace wyk
