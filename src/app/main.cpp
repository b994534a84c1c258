#include "app/deutsch.h"
#include "app/kommandozeile.h"
#include "app/start.h"
#include "platform/dateiname.h"

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
    return wyk::starten(wyk::planAus(argumente), bildschirm);
}

} // namespace

// Qt takes its own options (-platform, -style, -reverse, ...) out of the command line and
// connects to the screen when the application object is made; the program reads what is left, keeping file names that are
// not valid UTF-8 as the bytes they are. A preview, which a file
// manager asks for without a display or a home folder, gets a core application: it loads no
// platform plugin and no fonts and creates no runtime folder.
int main(int argc, char** argv) {
    const bool bildschirm = wyk::vorbereiten(argc, argv);
    if (wyk::nurVorschau(argc, argv)) {
        return ausfuehren<QCoreApplication>(argc, argv, false);
    }
    return ausfuehren<QApplication>(argc, argv, bildschirm);
}
