#include "platform/textfile.h"

#include "platform/dateiname.h"
#include "platform/grund.h"
#include "platform/temporaer.h"

#include <QDir>
#include <QList>
#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <linux/magic.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

namespace wyk {

namespace {

// Characters of the bytes 0x80..0x9F; zero marks the five bytes the set leaves unassigned.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString describe(const QString& path, const QString& reason) {
    return QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// The longest chain of symbolic links followed, as the system itself allows.
constexpr int kLaengsteKette = 40;

// An error number of the writer's own: the target is no longer what was checked.
constexpr int kAusgetauscht = -1;

// An error number of the writer's own: the file system could not show room for the whole
// content, so the file is not written in place.
constexpr int kOhneVorhalt = -2;

// What a shell's ">" gives a new file before the umask or the folder's default ACL.
constexpr mode_t kNeueDatei = 0666;

// A descriptor that is closed when it goes out of scope.
class Deskriptor {
public:
    Deskriptor() = default;
    explicit Deskriptor(int fd) : fd_(fd) {}
    Deskriptor(Deskriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Deskriptor& operator=(Deskriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    ~Deskriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    bool offen() const { return fd_ >= 0; }
    // Closes the descriptor; 0 or the error number of close.
    int schliessen() { return fd_ >= 0 && ::close(std::exchange(fd_, -1)) != 0 ? errno : 0; }

private:
    int fd_ = -1;
};

bool gleich(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

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

// Whether the kernel's protection of sticky folders keeps the user from writing the existing
// regular file or FIFO with the status eintrag in the folder with the status ordner: the entry
// belongs neither to the user nor to the folder's owner, and the folder is sticky and either
// everyone may write it (refused here whatever the system is set to) or its group may and the
// level for such entries is 2.
bool geschuetztImKlebrigen(const struct stat& eintrag, const struct stat& ordner) {
    if ((ordner.st_mode & S_ISVTX) == 0 || eintrag.st_uid == ::geteuid() ||
        eintrag.st_uid == ordner.st_uid) {
        return false;
    }
    return (ordner.st_mode & S_IWOTH) != 0 ||
           ((ordner.st_mode & S_IWGRP) != 0 && schutzstufe(S_ISFIFO(eintrag.st_mode)) >= 2);
}

bool aufProc(int ordnerFd) {
    struct statfs info {};
    return ::fstatfs(ordnerFd, &info) == 0 && info.f_type == PROC_SUPER_MAGIC;
}

// Where a name leads: a part name in the folder held open as ordner, with the status vorher
// when it exists; or, for a name through a descriptor link, the file opened for writing.
struct Ziel {
    Deskriptor ordner;
    QByteArray name;
    std::optional<struct stat> vorher;
    Deskriptor durchgereicht;
    bool eigenerDeskriptor = false; // durchgereicht is a copy of one of the program's own
    bool nurAnsehen = false;        // a descriptor link is looked at (vorher), not opened
};

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

// Follows path part by part, each folder held open once checked, to the entry a plain write
// would change, which need not exist yet. 0 or the error number.
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

// What a write puts into the file: bytes in memory, or the first laenge bytes of the open file
// quelle, read a piece at a time so that no more than a piece is held.
class Inhalt {
public:
    Inhalt(const QByteArray& bytes) : daten_(bytes.constData()), laenge_(bytes.size()) {}
    Inhalt(int quelle, qint64 laenge) : quelle_(quelle), laenge_(laenge) {}

    qint64 size() const { return laenge_; }

    // The bytes from pos on, all of them or the next piece (read into puffer); empty, with
    // errno set, where the file cannot be read.
    QByteArrayView ab(qint64 pos, QByteArray& puffer) const {
        if (quelle_ < 0) {
            return {daten_ + pos, laenge_ - pos};
        }
        constexpr qint64 kStueck = 1 << 20;
        puffer.resize(std::min(kStueck, laenge_ - pos));
        qsizetype gelesen = 0;
        while (gelesen < puffer.size()) {
            const ssize_t n = ::pread(quelle_, puffer.data() + gelesen,
                                      static_cast<std::size_t>(puffer.size() - gelesen),
                                      static_cast<off_t>(pos + gelesen));
            if (n <= 0 && !(n < 0 && errno == EINTR)) {
                errno = n == 0 ? EIO : errno;
                return {};
            }
            gelesen += std::max<ssize_t>(n, 0);
        }
        return puffer;
    }

private:
    const char* daten_ = nullptr;
    int quelle_ = -1;
    qint64 laenge_ = 0;
};

// The offset of a write that goes from the descriptor's position on.
constexpr off_t kAnDerStelle = -1;

// Writes all bytes: from the offset ab on where it is given (the descriptor's position stays
// where it is), else from the descriptor's position on; for a regular file also makes sure they
// reached the disk. 0 or the error number.
int writeAll(int fd, QByteArrayView bytes, bool regulaer, off_t ab = kAnDerStelle) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const auto menge = static_cast<std::size_t>(left);
        const ssize_t written = ab != kAnDerStelle
                                    ? ::pwrite(fd, data, menge, ab + (data - bytes.constData()))
                                    : ::write(fd, data, menge);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        data += written;
        left -= written;
    }
    return !regulaer || ::fsync(fd) == 0 ? 0 : errno;
}

// The same for a content held in a file, a piece at a time.
int writeAll(int fd, const Inhalt& bytes, bool regulaer, off_t ab = kAnDerStelle) {
    QByteArray puffer;
    for (qint64 pos = 0; pos < bytes.size();) {
        const QByteArrayView stueck = bytes.ab(pos, puffer);
        if (stueck.isEmpty()) {
            return errno;
        }
        const off_t wo = ab != kAnDerStelle ? ab + static_cast<off_t>(pos) : kAnDerStelle;
        if (const int error = writeAll(fd, stueck, false, wo); error != 0) {
            return error;
        }
        pos += stueck.size();
    }
    return !regulaer || ::fsync(fd) == 0 ? 0 : errno;
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

// Replaces the entry of ziel (altFd the old file open for writing, -1 when there is none) by a
// complete new file. 0 or the error number.
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

// Reserves room on the disk for the first laenge bytes of the open regular file fd without
// changing what it holds or where its position stands: by the file system where it can, else
// by writing a zero into each block of its holes and beyond its end, which read as zeros anyway
// (the C library's emulation would write zeros over data it cannot read back through a
// descriptor open for writing only), and then seeing that the disk holds every block. A
// failure leaves the file as long as it was. 0, kOhneVorhalt where the room cannot be shown to
// be there, or the error number.
int reservieren(int fd, off_t laenge) {
    if (laenge == 0 || ::fallocate(fd, 0, 0, laenge) == 0) {
        return 0;
    }
    if (errno != EOPNOTSUPP && errno != EINVAL) {
        return errno == ENODEV ? 0 : errno; // nothing to reserve on such files
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return errno;
    }
    const off_t position = ::lseek(fd, 0, SEEK_CUR);
    const off_t block = info.st_blksize > 0 ? info.st_blksize : 4096;
    int error = position < 0 ? errno : 0;
    for (off_t pos = 0; pos < laenge && error == 0;) {
        const off_t loch = pos < info.st_size ? ::lseek(fd, pos, SEEK_HOLE) : pos;
        off_t daten = loch >= 0 && loch < info.st_size ? ::lseek(fd, loch, SEEK_DATA) : laenge;
        if (loch < 0 || (daten < 0 && errno != ENXIO)) {
            error = errno;
            break;
        }
        const off_t ende = daten < 0 || daten > laenge ? laenge : daten;
        for (off_t b = loch; b < ende && error == 0; b = (b / block + 1) * block) {
            error = ::pwrite(fd, "", 1, b) == 1 ? 0 : errno;
        }
        pos = std::max(ende, pos + 1);
    }
    struct stat danach {};
    if (error == 0 && (::fsync(fd) != 0 || ::fstat(fd, &danach) != 0)) {
        error = errno;
    } else if (error == 0 && danach.st_blocks * off_t{512} < laenge) {
        error = kOhneVorhalt; // the file system keeps no blocks for what it was given
    }
    if (position >= 0 && ::lseek(fd, position, SEEK_SET) < 0 && error == 0) {
        error = errno;
    }
    if (error != 0 && ::ftruncate(fd, info.st_size) != 0) {
        return errno;
    }
    return error;
}

// Writes over the open regular file fd from its start, once the disk holds room for all bytes;
// the signals that end the program wait until the file is whole. 0 or the error number.
int anOrt(int fd, const Inhalt& bytes) {
    const TemporaereWache aufschub; // for the program's other threads
    const SignaleAufhalten aufhalten;
    if (const int error = reservieren(fd, bytes.size()); error != 0) {
        return error;
    }
    if (const int error = writeAll(fd, bytes, false, 0); error != 0) {
        return error;
    }
    return ::ftruncate(fd, bytes.size()) == 0 && ::fsync(fd) == 0 ? 0 : errno;
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

// Writes the bytes to path by the rules of writeBinaryFile.
Outcome nachRegeln(const QString& path, const Inhalt& bytes, const Haken& haken);

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

} // namespace

std::optional<char> windows1252Byte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<char>(character);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == character) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

QByteArray toWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (char32_t character : text.toUcs4()) {
        bytes.append(windows1252Byte(character).value_or('?'));
    }
    return bytes;
}

Outcome writeTextFile(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toWindows1252(line);
        bytes += "\r\n";
    }
    return writeBinaryFile(path, bytes);
}

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

namespace {

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

int temporaereDatei(int ordnerFd, QByteArray& name, unsigned modus) {
    // The name does not grow with the target's, so any valid name can be written.
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        name = temporaererName();
        fd = ::openat(ordnerFd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modus);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    return fd;
}

std::optional<Kennung> kennungVon(const QString& path) {
    Ziel ziel;
    ziel.nurAnsehen = true;
    if (aufloesen(bytesAusName(path), ziel) != 0 || !ziel.vorher) {
        return std::nullopt;
    }
    const struct stat& info = *ziel.vorher;
    return Kennung{static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino)};
}

bool dieselbeDatei(const QString& a, const QString& b) {
    const auto eins = kennungVon(a);
    return eins && eins == kennungVon(b);
}

} // namespace wyk
