#include "app/deutsch.h"
#include "app/kommandozeile.h"
#include "app/start.h"
#include "platform/dateiname.h"

#include <QApplication>

// Qt takes its own options (-platform, -style, -reverse, ...) out of the command line when
// the application object is made; the program reads what is left, keeping file names that are
// not valid UTF-8 as the bytes they are.
int main(int argc, char** argv) {
    const bool bildschirm = wyk::vorbereiten(argc, argv);
    QApplication app(argc, argv);
    wyk::deutschLaden(app);
    wyk::benennen();
    QStringList argumente;
    for (int i = 0; i < argc; ++i) {
        argumente << wyk::nameAusBytes(argv[i]);
    }
    return wyk::starten(wyk::planAus(argumente), bildschirm);
}
