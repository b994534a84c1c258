#include "app/modellwaechter.h"

#include <QFileInfo>

namespace wyk {

// The file itself is watched for writes in place; its folder for the file appearing again,
// since a file watch ends when the file is renamed over or deleted.
ModellWaechter::ModellWaechter(QObject* parent) : QObject(parent) {
    ruhe_.setSingleShot(true);
    ruhe_.setInterval(kRuhe);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &ruhe_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this,
            &ModellWaechter::ordnerGeaendert);
    connect(&ruhe_, &QTimer::timeout, this, &ModellWaechter::ruheErreicht);
}

void ModellWaechter::folgen(const QString& path) {
    ruhe_.stop();
    if (const QStringList alt = watcher_.files() + watcher_.directories(); !alt.isEmpty()) {
        watcher_.removePaths(alt);
    }
    const QFileInfo info(path);
    datei_ = info.absoluteFilePath();
    watcher_.addPath(info.absolutePath());
    watcher_.addPath(datei_);
}

// Something in the folder changed: only the file coming back after it went counts.
void ModellWaechter::ordnerGeaendert() {
    if (!watcher_.files().contains(datei_) && QFileInfo::exists(datei_)) {
        watcher_.addPath(datei_);
        ruhe_.start();
    }
}

// The save is over. The watch is set anew, since the name may now stand for another file than
// the one first watched (a rename over it that left the old one open elsewhere).
void ModellWaechter::ruheErreicht() {
    watcher_.removePath(datei_);
    if (QFileInfo::exists(datei_) && watcher_.addPath(datei_)) {
        emit geaendert();
    }
}

} // namespace wyk
