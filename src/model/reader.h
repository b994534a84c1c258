#pragma once

#include "model/module1.h"
#include "platform/filedialogs.h"
#include "platform/outcome.h"

#include <QIODevice>
#include <optional>

namespace wyk {

// Asks for a model file and reads it into the model (see ladeDatei). A cancelled dialog
// changes nothing.
Outcome datenlesen(Module1& m, FileDialogs& dialogs);

// Reads the model file at path into the model. On success the model, its counts, datname
// (the file's name), datpfad (path, made absolute by its bytes) and datkennung (the file that
// was opened) are replaced, the debug window is closed and both highlights are cleared. The
// file is opened without waiting and must be a regular file as opened, so a FIFO swapped in
// cannot hold the reader. With hoechstens set, a file is read to at most that many bytes: one
// that needs more is refused. A file that cannot be read or that announces more than 3000
// points or moves is refused with a message, and the loaded model stays exactly as it was.
Outcome ladeDatei(Module1& m, const QString& path, qint64 hoechstens = -1);

// Reads a model from an open device as a file named name: the rules of ladeDatei.
Outcome ladeAus(Module1& m, QIODevice& device, const QString& name);

// Reads the model file at path again after it changed on disk: the rules of ladeDatei, except
// that the debug window is left to the caller and the highlights are kept as far as their point
// or move still exists (markenPruefen), and that a file not read in full (refused, or a save
// in progress) still becomes the file modellSchuetzen guards, where the name leads to one: it is
// the one being edited. With ganzVerlangt, a file that ends before the lines its counts announce
// is taken for a save still in progress: nothing is read into the model and the result is empty.
[[nodiscard]] std::optional<Outcome> erneutLaden(Module1& m, const QString& path,
                                                 bool ganzVerlangt);

// Refuses the export to ziel when ziel is the loaded model's file through any name (the same
// path, a symbolic or a hard link, a name through another link and ".."): the file it leads to
// now has the device and inode the model was read from (datkennung). The message names the
// file; done for any other file.
[[nodiscard]] Outcome modellSchuetzen(const Modell& m, const QString& ziel);

// Clears a highlight whose point or move the model no longer holds; keeps the others.
void markenPruefen(Module1& m);

} // namespace wyk
