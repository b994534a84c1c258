#include "platform/namensweg.h"

#include <QList>
#include <array>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/statfs.h>
#include <unistd.h>
#include <utility>

namespace wyk::schreiben {

namespace {

// The longest chain of symbolic links followed, as the system itself allows.
constexpr int kLaengsteKette = 40;

// Whether the folder with the status ordner is shared: sticky, and everyone may write it.
bool geteilt(const struct stat& ordner) {
    constexpr mode_t kGeteilt = S_ISVTX | S_IWOTH;
    return (ordner.st_mode & kGeteilt) == kGeteilt;
}

// Whether the system's rule for shared folders keeps the user from using the entry with the
// status eintrag in the folder with the status ordner: the folder is shared and the entry
// belongs neither to the user nor to the folder's owner.
bool fremdImGeteilten(const struct stat& eintrag, const struct stat& ordner) {
    return geteilt(ordner) && eintrag.st_uid != ::geteuid() && eintrag.st_uid != ordner.st_uid;
}

// The level, 0 to 2, of the kernel's protection of FIFOs (protected_fifos) or regular files
// (protected_regular) in sticky folders, as /proc/sys/fs gives it; 1, the usual, where it
// cannot be read.
int schutzstufe(bool fifo) {
    Deskriptor fd(::open(fifo ? "/proc/sys/fs/protected_fifos" : "/proc/sys/fs/protected_regular",
                         O_RDONLY | O_CLOEXEC));
    char stufe = '1';
    if (!fd.offen() || ::read(fd.get(), &stufe, 1) != 1 || stufe < '0' || stufe > '2') {
        stufe = '1';
    }
    return stufe - '0';
}

bool aufProc(int ordnerFd) {
    struct statfs info {};
    return ::fstatfs(ordnerFd, &info) == 0 && info.f_type == PROC_SUPER_MAGIC;
}

// The number a part of /proc/self/fd names, or -1.
int deskriptorNummer(const QByteArray& teil) {
    bool ok = false;
    const int nummer = teil.toInt(&ok);
    return ok && nummer >= 0 && QByteArray::number(nummer) == teil ? nummer : -1;
}

// Opens the descriptor link teil in the /proc folder ordnerFd for writing: a copy of the
// program's own descriptor where the folder is its own /proc/self/fd, else through the link.
int durchreichen(int ordnerFd, const QByteArray& teil, Ziel& ziel) {
    struct stat ordner {};
    struct stat eigene {};
    const int nummer = deskriptorNummer(teil);
    const bool eigen = nummer >= 0 && ::fstat(ordnerFd, &ordner) == 0 &&
                       ::stat("/proc/self/fd", &eigene) == 0 && gleich(ordner, eigene);
    const int flags = eigen ? ::fcntl(nummer, F_GETFL) : -1;
    if (flags >= 0 && (flags & O_ACCMODE) != O_RDONLY) {
        ziel.durchgereicht = Deskriptor(::fcntl(nummer, F_DUPFD_CLOEXEC, 0));
        ziel.eigenerDeskriptor = true;
    } else {
        ziel.durchgereicht =
            Deskriptor(::openat(ordnerFd, teil.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    }
    return ziel.durchgereicht.offen() ? 0 : errno;
}

// The parts of a name; a name ending in "/" ends in ".", so that it must be a folder.
QList<QByteArray> teileVon(const QByteArray& name) {
    QList<QByteArray> teile;
    for (const QByteArray& teil : name.split('/')) {
        if (!teil.isEmpty()) {
            teile << teil;
        }
    }
    if (name.endsWith('/')) {
        teile << QByteArrayLiteral(".");
    }
    return teile;
}

} // namespace

bool gleich(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool geschuetztImKlebrigen(const struct stat& eintrag, const struct stat& ordner) {
    if ((ordner.st_mode & S_ISVTX) == 0 || eintrag.st_uid == ::geteuid() ||
        eintrag.st_uid == ordner.st_uid) {
        return false;
    }
    return (ordner.st_mode & S_IWOTH) != 0 ||
           ((ordner.st_mode & S_IWGRP) != 0 && schutzstufe(S_ISFIFO(eintrag.st_mode)) >= 2);
}

int aufloesen(const QByteArray& path, Ziel& ziel) {
    if (path.isEmpty()) {
        return ENOENT;
    }
    ziel.ordner =
        Deskriptor(::open(path.startsWith('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    QList<QByteArray> rest = teileVon(path);
    if (rest.isEmpty()) {
        rest << QByteArrayLiteral(".");
    }
    int links = 0;
    while (!rest.isEmpty()) {
        if (!ziel.ordner.offen()) {
            return errno;
        }
        const QByteArray teil = rest.takeFirst();
        const bool letzter = rest.isEmpty();
        struct stat info {};
        if (::fstatat(ziel.ordner.get(), teil.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT || !letzter) {
                return errno;
            }
            ziel.name = teil;
            return 0;
        }
        struct stat ordner {};
        if (::fstat(ziel.ordner.get(), &ordner) != 0) {
            return errno;
        }
        if (S_ISLNK(info.st_mode)) {
            if (++links > kLaengsteKette) {
                return ELOOP;
            }
            if (fremdImGeteilten(info, ordner)) {
                return EACCES;
            }
            if (aufProc(ziel.ordner.get())) {
                // The system's own links (/proc/self, /proc/*/fd/N) lead where their text does not.
                if (letzter && ziel.nurAnsehen) {
                    ziel.name = teil;
                    ziel.vorher = info;
                    return ::fstatat(ziel.ordner.get(), teil.constData(), &*ziel.vorher, 0) == 0
                               ? 0
                               : errno;
                }
                if (letzter) {
                    return durchreichen(ziel.ordner.get(), teil, ziel);
                }
                ziel.ordner = Deskriptor(::openat(ziel.ordner.get(), teil.constData(),
                                                  O_PATH | O_DIRECTORY | O_CLOEXEC));
                continue;
            }
            std::array<char, PATH_MAX> text{};
            const ssize_t laenge =
                ::readlinkat(ziel.ordner.get(), teil.constData(), text.data(), text.size());
            if (laenge < 0) {
                return errno;
            }
            if (static_cast<std::size_t>(laenge) == text.size()) {
                return ENAMETOOLONG;
            }
            const QByteArray inhalt(text.data(), laenge);
            rest = teileVon(inhalt) + rest;
            if (inhalt.startsWith('/')) {
                ziel.ordner = Deskriptor(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
            }
            if (rest.isEmpty()) {
                rest << QByteArrayLiteral(".");
            }
            continue;
        }
        if (letzter) {
            ziel.name = teil;
            ziel.vorher = info;
            return 0;
        }
        if (!S_ISDIR(info.st_mode)) {
            return ENOTDIR;
        }
        Deskriptor weiter(::openat(ziel.ordner.get(), teil.constData(),
                                   O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat geoeffnet {};
        if (!weiter.offen()) {
            return errno;
        }
        if (::fstat(weiter.get(), &geoeffnet) != 0 || !gleich(geoeffnet, info)) {
            return kAusgetauscht;
        }
        ziel.ordner = std::move(weiter);
    }
    return 0;
}

} // namespace wyk::schreiben
