#pragma once

#include "cli/kommandozeile.h"

namespace wyk {

// Before the application object exists: for a command line that names one of the program's
// options (a run without windows), or where no screen is to be had, chooses the offscreen
// platform unless the environment names one (a -platform option still overrides it) and
// keeps Qt's own notices off stderr. Gives whether windows can be shown.
[[nodiscard]] bool vorbereiten(int argc, char** argv);

// To be called just before the application object is made, which connects to the screen:
// until the handler it gives back is installed again, Qt's notices are held back, and where no
// platform can be initialised (no X server or compositor reachable, no usable plugin) the
// program ends with a German message on stderr and exit code 1 instead of Qt's abort.
[[nodiscard]] QtMessageHandler anmelden();

// Gives the application object the program's name, version and desktop entry.
void benennen();

// Carries out a plan that opens no window, with the application object in place, and gives
// the exit code: the export (0 done, 1 failed with a German message on stderr), help or
// version (0), or the message of a wrong call (2). A plan for the windows reaches here only
// when there is no screen: it is refused with a message (1).
[[nodiscard]] int ohneFenster(const Plan& plan);

} // namespace wyk
