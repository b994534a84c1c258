#include "app/modellwaechter.h"

#include "platform/dateiname.h"

#include <QFile>

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

ModellWaechter::~ModellWaechter() {
    loslassen();
}

void ModellWaechter::folgen(const QString& path) {
    ruhe_.stop();
    geduld_.stop();
    datei_ = absoluterName(path);
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

namespace {

// The folder part of a name's bytes.
QByteArray ordnerVon(const QByteArray& name) {
    const qsizetype schnitt = name.lastIndexOf('/');
    return schnitt <= 0 ? QByteArrayLiteral("/") : name.left(schnitt);
}

} // namespace

void ModellWaechter::loslassen() {
    if (const QStringList alt = watcher_.files() + watcher_.directories(); !alt.isEmpty()) {
        watcher_.removePaths(alt);
    }
    for (const int fd : gehalten_) {
        ::close(fd);
    }
    gehalten_.clear();
}

// Qt's watcher takes names as texts in the locale's encoding; a name that does not survive that
// is watched through a descriptor of its own, by the name /proc gives it.
QString ModellWaechter::beobachtbar(const QByteArray& name) {
    const QString text = nameAusBytes(name);
    if (QFile::encodeName(text) == name) {
        return text;
    }
    const int fd = ::open(name.constData(), O_PATH | O_CLOEXEC);
    if (fd < 0) {
        return text;
    }
    gehalten_.push_back(fd);
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
}

// Watches the file the name leads to now, for writes in place, and the folders of the name and
// of that file, for the name or the file being replaced; a file watch ends when its file is
// renamed over or deleted, and it stays with the old file when a link is re-pointed. Names are
// taken by their bytes.
void ModellWaechter::beobachten() {
    loslassen();
    const QByteArray name = bytesAusName(datei_);
    QList<QByteArray> pfade{ordnerVon(name)};
    struct stat info {};
    if (::stat(name.constData(), &info) == 0) {
        pfade << name;
        if (char* echt = ::realpath(name.constData(), nullptr)) {
            pfade << ordnerVon(echt);
            std::free(echt);
        }
    }
    QStringList texte;
    for (const QByteArray& pfad : pfade) {
        if (!texte.contains(nameAusBytes(pfad))) {
            texte << nameAusBytes(pfad);
        }
    }
    for (QString& text : texte) {
        text = beobachtbar(bytesAusName(text));
    }
    watcher_.addPaths(texte);
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
    struct stat info {};
    if (::stat(bytesAusName(datei_).constData(), &info) == 0) {
        emit geaendert();
    }
}

} // namespace wyk
