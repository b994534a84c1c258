#include "app/modellwaechter.h"

#include "platform/dateiname.h"

#include <QFileInfo>
#include <sys/stat.h>

namespace wyk {

ModellWaechter::ModellWaechter(QObject* parent) : QObject(parent) {
    for (QTimer* timer : {&ruhe_, &geduld_}) {
        timer->setSingleShot(true);
    }
    ruhe_.setInterval(kRuhe);
    geduld_.setInterval(kGeduld);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &ModellWaechter::veraendert);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this,
            &ModellWaechter::ordnerGeaendert);
    connect(&ruhe_, &QTimer::timeout, this, &ModellWaechter::ruheErreicht);
    connect(&geduld_, &QTimer::timeout, this, &ModellWaechter::geduldVorbei);
}

void ModellWaechter::folgen(const QString& path) {
    ruhe_.stop();
    geduld_.stop();
    datei_ = QFileInfo(path).absoluteFilePath();
    beobachten();
}

void ModellWaechter::abwarten() {
    geduld_.start();
}

ModellWaechter::Kennung ModellWaechter::kennung() const {
    const QByteArray name = bytesAusName(datei_);
    struct stat selbst {};
    struct stat ziel {};
    const bool da = ::lstat(name.constData(), &selbst) == 0;
    const bool fuehrt = ::stat(name.constData(), &ziel) == 0;
    return {da ? selbst.st_dev : 0, da ? selbst.st_ino : 0, fuehrt ? ziel.st_dev : 0,
            fuehrt ? ziel.st_ino : 0};
}

// Watches the file the name leads to now, for writes in place, and the folders of the name and
// of that file, for the name or the file being replaced; a file watch ends when its file is
// renamed over or deleted, and it stays with the old file when a link is re-pointed.
void ModellWaechter::beobachten() {
    if (const QStringList alt = watcher_.files() + watcher_.directories(); !alt.isEmpty()) {
        watcher_.removePaths(alt);
    }
    const QFileInfo info(datei_);
    QStringList pfade{info.absolutePath()};
    if (info.exists()) {
        pfade << datei_ << QFileInfo(info.canonicalFilePath()).absolutePath();
    }
    pfade.removeDuplicates();
    watcher_.addPaths(pfade);
    kennung_ = kennung();
}

void ModellWaechter::veraendert() {
    geduld_.stop();
    ruhe_.start();
}

// Something in a watched folder changed: it counts when the name now leads elsewhere.
void ModellWaechter::ordnerGeaendert() {
    if (kennung() != kennung_) {
        veraendert();
    }
}

// The save is over. The watches are set anew for what the name leads to now.
void ModellWaechter::ruheErreicht() {
    beobachten();
    if (QFileInfo::exists(datei_)) {
        emit geaendert();
    }
}

} // namespace wyk
