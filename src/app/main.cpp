#include "app/deutsch.h"
#include "app/kommandozeile.h"
#include "app/start.h"

#include <QApplication>

// Qt takes its own options (-platform, -style, -reverse, ...) out of the command line when
// the application object is made; the program reads what is left.
int main(int argc, char** argv) {
    const bool bildschirm = wyk::vorbereiten(argc, argv);
    QApplication app(argc, argv);
    wyk::deutschLaden(app);
    wyk::benennen();
    return wyk::starten(wyk::planAus(QCoreApplication::arguments()), bildschirm);
}
