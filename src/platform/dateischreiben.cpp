#include "platform/dateischreiben.h"

#include "platform/anort.h"
#include "platform/dateiname.h"
#include "platform/ersetzen.h"
#include "platform/grund.h"
#include "platform/inhalt.h"
#include "platform/namensweg.h"

#include <QDir>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace wyk {

using namespace schreiben;

namespace {

QString describe(const QString& path, const QString& reason) {
    return QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// Writes the existing entry of ziel by the rules of writeBinaryFile. 0 or the error number.
int vorhandeneSchreiben(const Ziel& ziel, const Inhalt& bytes, const Haken& haken) {
    const struct stat& vorher = *ziel.vorher;
    struct stat ordner {};
    if (::fstat(ziel.ordner.get(), &ordner) != 0) {
        return errno;
    }
    if (S_ISDIR(vorher.st_mode)) {
        return EISDIR;
    }
    if ((S_ISREG(vorher.st_mode) || S_ISFIFO(vorher.st_mode)) &&
        geschuetztImKlebrigen(vorher, ordner)) {
        return EACCES;
    }
    if (haken) {
        haken(Schritt::Geprueft);
    }
    // Opened as a plain write opens it, so that the system decides what may be written, but
    // without following a link; a regular file without waiting, should a FIFO take its place.
    const int warten = S_ISREG(vorher.st_mode) ? O_NONBLOCK : 0;
    Deskriptor fd(::openat(ziel.ordner.get(), ziel.name.constData(),
                           O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW | warten));
    if (!fd.offen()) {
        return errno == ELOOP || (warten != 0 && errno == ENXIO) ? kAusgetauscht : errno;
    }
    struct stat offen {};
    if (::fstat(fd.get(), &offen) != 0) {
        return errno;
    }
    if (!gleich(offen, vorher) || (offen.st_mode & S_IFMT) != (vorher.st_mode & S_IFMT)) {
        return kAusgetauscht;
    }
    if (warten != 0 && ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK) != 0) {
        return errno;
    }
    int error = 0;
    if (!S_ISREG(offen.st_mode)) {
        error = writeAll(fd.get(), bytes, false);
    } else {
        error = offen.st_nlink == 1 ? ersetzen(ziel, bytes, fd.get(), haken) : EMLINK;
        if (error == EACCES || error == EPERM || error == EBUSY || error == EMLINK ||
            error == ENOTSUP || error == EXDEV) {
            error = anOrt(fd.get(), bytes);
        }
    }
    if (const int beimSchliessen = fd.schliessen(); error == 0) {
        error = beimSchliessen;
    }
    return error;
}

// Writes through a descriptor link: the program's own descriptor at its position, another
// file in place. 0 or the error number.
int durchgereichtSchreiben(Ziel& ziel, const Inhalt& bytes) {
    struct stat info {};
    const int fd = ziel.durchgereicht.get();
    if (::fstat(fd, &info) != 0) {
        return errno;
    }
    int error = S_ISDIR(info.st_mode)                              ? EISDIR
                : ziel.eigenerDeskriptor || !S_ISREG(info.st_mode) ? writeAll(fd, bytes, false)
                                                                   : anOrt(fd, bytes);
    if (const int beimSchliessen = ziel.durchgereicht.schliessen(); error == 0) {
        error = beimSchliessen;
    }
    return error;
}

QString grundOderAusgetauscht(int error) {
    if (error == kOhneVorhalt) {
        return QStringLiteral("ihr Dateisystem kann keinen Platz für den neuen Inhalt vorhalten, "
                              "und ersetzen lässt sie sich nicht");
    }
    return error == kAusgetauscht
               ? QStringLiteral("sie wurde während des Schreibens durch eine andere Datei oder "
                                "Verknüpfung ersetzt")
               : grundText(error);
}

// Writes the bytes to path by the rules of writeBinaryFile.
Outcome nachRegeln(const QString& path, const Inhalt& bytes, const Haken& haken) {
    Ziel ziel;
    int error = aufloesen(bytesAusName(path), ziel);
    if (error == 0 && ziel.durchgereicht.offen()) {
        error = durchgereichtSchreiben(ziel, bytes);
    } else if (error == 0 && ziel.vorher) {
        error = vorhandeneSchreiben(ziel, bytes, haken);
    } else if (error == 0) {
        error = ersetzen(ziel, bytes, -1, haken);
    }
    return error == 0 ? Outcome::done()
                      : Outcome::failed(describe(path, grundOderAusgetauscht(error)));
}

} // namespace

Outcome writeBinaryFile(const QString& path, const QByteArray& bytes, const Haken& haken) {
    return nachRegeln(path, bytes, haken);
}

Outcome writeBinaryFileStueckweise(const QString& path, const Erzeuger& erzeugen) {
    Ziel ziel;
    const int ordner = aufloesen(bytesAusName(path), ziel) == 0 && ziel.ordner.offen()
                           ? ziel.ordner.get()
                           : AT_FDCWD;
    Deskriptor zwischen(::openat(ordner, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    if (!zwischen.offen()) {
        const QByteArray temp = bytesAusName(QDir::tempPath());
        zwischen = Deskriptor(::open(temp.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    }
    if (!zwischen.offen()) {
        return Outcome::failed(describe(path, grundText(errno)));
    }
    qint64 laenge = 0;
    int error = 0;
    const Outcome erzeugt = erzeugen([&](QByteArrayView stueck) {
        error = error != 0 ? error : writeAll(zwischen.get(), stueck, false);
        laenge += stueck.size();
        return error == 0;
    });
    if (error != 0) {
        return Outcome::failed(describe(path, grundText(error)));
    }
    if (!erzeugt.isDone()) {
        return erzeugt;
    }
    return nachRegeln(path, Inhalt(zwischen.get(), laenge), {});
}

} // namespace wyk
