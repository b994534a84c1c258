#pragma once

#include "model/module1.h"
#include "platform/filedialogs.h"
#include "platform/outcome.h"

#include <QString>
#include <QStringList>

namespace wyk {

// Default name of the OFF file: datname up to its first "." (the whole name when it has
// none), followed by ".off".
[[nodiscard]] QString offVorschlag(const QString& datname);

// The OFF text of the model, one entry per line, without line ends: "OFF", the counts line,
// one vertex per point and one two-vertex face per coloured stroke of moves 2..anzlin.
[[nodiscard]] QStringList offZeilen(const Modell& m);

// Writes the model as an OFF file at path, then, as m.htmlsave and m.javasave say, the web
// page and the applet's class files into the same folder. A model holding a coordinate that
// is not a finite number is refused, and so is an export of which any file would be the loaded
// model's file (modellSchuetzen), and so are the page and class files beside a target that is
// no regular file or lies in /dev or /proc; then nothing is written.
Outcome schreibeOff(Module1& m, const QString& path);

// Asks for the OFF file's name, proposing offVorschlag(datname), and writes it with
// schreibeOff. A cancelled dialog writes nothing.
Outcome saveoff(Module1& m, FileDialogs& dialogs);

} // namespace wyk
