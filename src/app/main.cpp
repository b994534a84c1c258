#include "app/app.h"
#include "cli/kommandozeile.h"
#include "cli/start.h"
#include "platform/dateiname.h"
#include "platform/deutsch.h"

#include <QApplication>

namespace {

template <class Anwendung> int ausfuehren(int argc, char** argv, bool bildschirm) {
    const QtMessageHandler vorher = wyk::anmelden();
    Anwendung app(argc, argv);
    qInstallMessageHandler(vorher);
    wyk::deutschLaden(app);
    wyk::benennen();
    QStringList argumente;
    for (int i = 0; i < argc; ++i) {
        argumente << wyk::nameAusBytes(argv[i]);
    }
    const wyk::Plan plan = wyk::planAus(argumente);
    if (plan.modus == wyk::Modus::Fenster && bildschirm) {
        return wyk::fensterZeigen(plan.modell);
    }
    return wyk::ohneFenster(plan);
}

} // namespace

// The one program: the command line (src/cli) decides what to do, the windows (src/app) are
// opened only when it asks for them and a screen is there. Qt takes its own options
// (-platform, -style, -reverse, ...) out of the command line, and connects to the screen,
// when the application object is made; the program reads what is left, keeping file names
// that are not valid UTF-8 as the bytes they are. An export, help or version, which scripts and file managers ask for
// without a display and often by the thousand, gets a core application: it loads no platform
// plugin and no fonts and creates no runtime folder, since the drawing needs none of them.
int main(int argc, char** argv) {
    const bool bildschirm = wyk::vorbereiten(argc, argv);
    if (wyk::ohneOberflaeche(argc, argv)) {
        return ausfuehren<QCoreApplication>(argc, argv, false);
    }
    return ausfuehren<QApplication>(argc, argv, bildschirm);
}
