// The core benchmarks need fonts for the axis labels, so a QGuiApplication, but no display.
#include "benchmain.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
