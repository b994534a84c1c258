#include "app/app.h"
#include "app/deutsch.h"
#include "app/qtfiledialogs.h"
#include "export/batch.h"

#include <QApplication>
#include <QGuiApplication>

namespace {

QStringList argumente(int argc, char** argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i) {
        list << QString::fromLocal8Bit(argv[i]);
    }
    return list;
}

// Exports, help and version run without windows, also where no display is available.
int ohneFenster(int argc, char** argv, const QStringList& args) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    return wyk::batch(args);
}

} // namespace

int main(int argc, char** argv) {
    const QStringList args = argumente(argc, argv);
    if (wyk::istBatch(args)) {
        return ohneFenster(argc, argv, args);
    }
    QApplication app(argc, argv);
    wyk::deutschLaden(app);
    QApplication::setApplicationName(QStringLiteral("WYK-Viewer"));
    QApplication::setApplicationVersion(QStringLiteral(WYK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("wyk-viewer"));
    wyk::App viewer(std::make_unique<wyk::QtFileDialogs>());
    if (const QString modell = wyk::modellArgument(args); !modell.isEmpty()) {
        viewer.modellLaden(modell);
    }
    return QApplication::exec();
}
