#pragma once

#include <QString>
#include <QStringList>

namespace wyk {

// True when the command line asks for something other than opening the windows: an export
// (--export-off, --export-web, --export-png), --help or --version, or arguments that cannot
// be understood. arguments is the full command line, the program's name first.
bool istBatch(const QStringList& arguments);

// Runs the command line's export, help or version request without windows and gives the
// program's exit code. A QGuiApplication must exist.
int batch(const QStringList& arguments);

// The model file named on the command line to open in the windows; empty when there is none.
QString modellArgument(const QStringList& arguments);

} // namespace wyk
