#include "platform/ersetzen.h"

#include "platform/temporaer.h"

#include <QList>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace wyk::schreiben {

namespace {

// What a shell's ">" gives a new file before the umask or the folder's default ACL.
constexpr mode_t kNeueDatei = 0666;

// Copies the extended attributes (among them the ACL) of the file von onto the file nach.
// 0, or the error number where one cannot be read or given.
int attributeKopieren(int von, int nach) {
    const ssize_t groesse = ::flistxattr(von, nullptr, 0);
    if (groesse < 0) {
        return errno == ENOTSUP ? 0 : errno;
    }
    QByteArray namen(groesse, '\0');
    const ssize_t gelesen = ::flistxattr(von, namen.data(), namen.size());
    if (gelesen < 0) {
        return errno;
    }
    namen.truncate(gelesen);
    for (const QByteArray& name : namen.split('\0')) {
        if (name.isEmpty()) {
            continue;
        }
        const ssize_t laenge = ::fgetxattr(von, name.constData(), nullptr, 0);
        QByteArray wert(std::max<ssize_t>(laenge, 0), '\0');
        if (laenge < 0 || ::fgetxattr(von, name.constData(), wert.data(), wert.size()) != laenge ||
            ::fsetxattr(nach, name.constData(), wert.constData(), wert.size(), 0) != 0) {
            return errno != 0 ? errno : EIO;
        }
    }
    return 0;
}

// Gives the new file the owner, group, permissions and attributes of the old one (altFd, with
// the status alt); an error where one of them cannot be given, so that the old file is written
// in place instead. 0 or the error number.
int rechteUebernehmen(int fd, int altFd, const struct stat& alt) {
    if (::fchown(fd, alt.st_uid, alt.st_gid) != 0 || ::fchmod(fd, alt.st_mode & 0777) != 0) {
        return errno;
    }
    return attributeKopieren(altFd, fd);
}

// Gives the complete unnamed file fd the name name in the folder ordner: a new name only where
// none exists (ersetzen false), else in place of the old file. 0 or the error number.
int benennen(int fd, int ordner, const QByteArray& name, bool ersetzen) {
    const QByteArray quelle = "/proc/self/fd/" + QByteArray::number(fd);
    const auto verknuepfen = [&](const QByteArray& neu) {
        if (::linkat(fd, "", ordner, neu.constData(), AT_EMPTY_PATH) == 0) {
            return 0;
        }
        return ::linkat(AT_FDCWD, quelle.constData(), ordner, neu.constData(), AT_SYMLINK_FOLLOW) ==
                       0
                   ? 0
                   : errno;
    };
    if (!ersetzen) {
        const int error = verknuepfen(name);
        return error == EEXIST ? kAusgetauscht : error;
    }
    const SignaleAufhalten aufhalten;
    QByteArray zwischen;
    int error = EEXIST;
    for (int versuch = 0; error == EEXIST && versuch < 100; ++versuch) {
        zwischen = temporaererName();
        error = verknuepfen(zwischen);
    }
    if (error != 0) {
        return error;
    }
    if (::renameat(ordner, zwischen.constData(), ordner, name.constData()) != 0) {
        error = errno;
        ::unlinkat(ordner, zwischen.constData(), 0);
    }
    return error;
}

// Gives the temporary file of the name temporary in the folder ordner the name name: in place
// of an old file (ersetzen), else only where the name is free, through a second link where the
// file system cannot rename that way (FUSE). 0 or the error number; EEXIST where it is taken.
int neuerName(int ordner, const QByteArray& temporary, const QByteArray& name, bool ersetzen) {
    const char* von = temporary.constData();
    if (::renameat2(ordner, von, ordner, name.constData(), ersetzen ? 0 : RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (ersetzen || errno != EINVAL) {
        return errno;
    }
    if (::linkat(ordner, von, ordner, name.constData(), 0) != 0) {
        return errno;
    }
    return ::unlinkat(ordner, von, 0) == 0 ? 0 : errno;
}

// The fall-back where the folder cannot hold an unnamed file: the bytes go into a hidden
// temporary file, which then takes the name. 0 or the error number.
int benanntErsetzen(const Ziel& ziel, const Inhalt& bytes, int altFd, const Haken& haken) {
    QByteArray temporary;
    const int ordner = ziel.ordner.get();
    verwaisteEntfernen(ordner);
    Deskriptor fd(temporaereDatei(ordner, temporary, altFd >= 0 ? 0600 : kNeueDatei));
    if (!fd.offen()) {
        return errno;
    }
    TemporaereWache wache(ordner, temporary);
    int error = altFd >= 0 ? rechteUebernehmen(fd.get(), altFd, *ziel.vorher) : 0;
    if (error == 0) {
        error = writeAll(fd.get(), bytes, true);
    }
    if (const int beimSchliessen = fd.schliessen(); error == 0) {
        error = beimSchliessen;
    }
    if (error == 0 && haken) {
        haken(Schritt::Geschrieben);
    }
    if (error == 0) {
        const SignaleAufhalten aufhalten;
        error = neuerName(ordner, temporary, ziel.name, altFd >= 0);
        error = error == EEXIST ? kAusgetauscht : error;
        if (error == 0) {
            wache.loesen();
        }
    }
    if (error != 0) {
        ::unlinkat(ordner, temporary.constData(), 0);
    }
    return error;
}

} // namespace

int ersetzen(const Ziel& ziel, const Inhalt& bytes, int altFd, const Haken& haken) {
    const int ordner = ziel.ordner.get();
    Deskriptor fd(
        ::openat(ordner, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, altFd >= 0 ? 0600 : kNeueDatei));
    if (!fd.offen()) {
        return errno == EOPNOTSUPP || errno == EISDIR ? benanntErsetzen(ziel, bytes, altFd, haken)
                                                      : errno;
    }
    // What a kill between naming an unnamed file and renaming it left; looked for only in a
    // small folder, as reading a large one would cost more than the whole export.
    constexpr off_t kKleinerOrdner = 64 * 1024;
    if (struct stat info{}; ::fstat(ordner, &info) == 0 && info.st_size <= kKleinerOrdner) {
        verwaisteEntfernen(ordner);
    }
    int error = altFd >= 0 ? rechteUebernehmen(fd.get(), altFd, *ziel.vorher) : 0;
    if (error == 0) {
        error = writeAll(fd.get(), bytes, true);
    }
    if (error == 0 && haken) {
        haken(Schritt::Geschrieben);
    }
    if (error == 0) {
        error = benennen(fd.get(), ordner, ziel.name, altFd >= 0);
    }
    if (error == ENOENT || error == EPERM) {
        // No way to name an unnamed file here (no /proc): the way with a temporary name.
        return benanntErsetzen(ziel, bytes, altFd, haken);
    }
    if (const int beimSchliessen = fd.schliessen(); error == 0) {
        error = beimSchliessen;
    }
    return error;
}

} // namespace wyk::schreiben
