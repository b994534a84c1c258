#pragma once

#include "export/gif.h"
#include "model/module1.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace wyk {

// What the command line asks for: the windows (optionally with a model), one export, Qt's
// help or version text, or nothing sensible.
enum class Modus { Fenster, Export, Hilfe, Version, Fehler };

enum class Exportart { Off, Web, Bild, Vorschau };

// The view a picture export draws; values left unset keep the start view.
struct Ansicht {
    std::optional<double> drehung;      // rotwinkel[3], radians
    std::optional<double> neigung;      // rotwinkel[1], radians
    std::optional<int> zoom;            // zoomfaktor, at least 1
    Anzeige anzeige;                    // the main window's check boxes
    QSize groesse = kKleinsteZeichnung; // breite x hoehe
    bool einpassen = false;             // zoom and origin that show the whole model
    Umlauf umlauf;                      // of a GIF: pictures and their time
    double dichte = 1.0;                // device pixels per pixel (--scale), 1 to 4
    int debugpkt = 0;                   // --mark-point: the marked point, 0 for none
    int messpkt = 0;                    // --measure-to: measured from debugpkt, 0 for none
    int debuglinie = 0;                 // --mark-move: the marked move, 0 for none
};

// The command line turned into what to do.
struct Plan {
    Modus modus = Modus::Fenster;
    QString modell; // the model file; in window mode empty when none is named
    Exportart art = Exportart::Off;
    QString ziel; // the file an export writes
    Ansicht ansicht;
    int vorschau = 256; // with Exportart::Vorschau: width and height of the preview
    QString fehler;     // with Modus::Fehler: a German message naming what is wrong
};

// Reads a command line whose first element is the program and from which Qt has already
// removed its own options (QCoreApplication::arguments()).
[[nodiscard]] Plan planAus(const QStringList& arguments);

// The marks of a picture export against the loaded model: a German message naming the first
// mark whose point or move the model does not hold, as planAus writes its messages; empty when
// the model holds them all.
[[nodiscard]] QString markenFehler(const Ansicht& ansicht, const Modell& m);

// True when the raw command line, Qt's options still in it, names one of the program's own
// options: all of them lead to a run without windows (an export, help or version, or an
// error message), though not always without a platform plugin: that is ohneOberflaeche's
// question. Decides whether a display is chosen for windows. Needs no application object.
[[nodiscard]] bool eigeneOptionGenannt(int argc, char** argv);

// True when the raw command line asks for a run without windows that a core application
// serves, without a platform plugin or fonts, a narrower question than eigeneOptionGenannt's: an export, --help or --version, or a wrong value
// of one of the program's options. False for the windows, for --help-all (whose text lists
// the options of Qt's GUI application) and for a command line Qt's parser does not accept,
// such as one holding Qt's own options (-platform, -style, ...), which only the GUI
// application takes out. Needs no application object.
[[nodiscard]] bool ohneOberflaeche(int argc, char** argv);

// Prints Qt's standard help (--help, --help-all) or version text for a command line that
// asks for it, the help for any other, and ends the program with exit code 0.
[[noreturn]] void hilfeOderVersionZeigen(const QStringList& arguments);

} // namespace wyk
