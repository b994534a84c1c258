#include "platform/textfile.h"

#include "platform/dateiname.h"
#include "platform/grund.h"

#include <QDir>
#include <QRandomGenerator>
#include <array>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The folder part of a path, without the separator before the name.
QByteArray ordnerVon(const QByteArray& path) {
    const qsizetype schnitt = path.lastIndexOf('/');
    if (schnitt < 0) {
        return QByteArrayLiteral(".");
    }
    return schnitt == 0 ? QByteArrayLiteral("/") : path.left(schnitt);
}

// Whether the system's rule for shared folders keeps the user from following the link with
// the status link in the folder ordner: the folder is sticky and everyone may write it, and
// the link belongs neither to the user nor to the folder's owner.
bool geschuetzt(const struct stat& link, const QByteArray& ordner) {
    struct stat info {};
    constexpr mode_t kGeteilt = S_ISVTX | S_IWOTH;
    return ::stat(ordner.constData(), &info) == 0 && (info.st_mode & kGeteilt) == kGeteilt &&
           link.st_uid != ::geteuid() && link.st_uid != info.st_uid;
}

// Follows path through symbolic links (relative ones from their own folder) to the file a
// plain write would change, which need not exist yet. 0 or the error number.
int echtesZiel(QByteArray& path) {
    for (int glied = 0; glied <= kLaengsteKette; ++glied) {
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return 0;
        }
        if (geschuetzt(info, ordnerVon(path))) {
            return EACCES;
        }
        std::array<char, PATH_MAX> ziel{};
        const ssize_t laenge = ::readlink(path.constData(), ziel.data(), ziel.size());
        if (laenge < 0) {
            return errno;
        }
        if (static_cast<std::size_t>(laenge) == ziel.size()) {
            return ENAMETOOLONG;
        }
        const QByteArray naechstes(ziel.data(), laenge);
        path = naechstes.startsWith('/') ? naechstes : ordnerVon(path) + '/' + naechstes;
    }
    return ELOOP;
}

// Gives the new file the owner, group and permissions of the old one; EPERM where the owner or
// group cannot be given, so that the old file is written in place instead. 0 or the error number.
int rechteUebernehmen(int fd, const struct stat& alt) {
    if (::fchown(fd, alt.st_uid, alt.st_gid) != 0) {
        return errno;
    }
    return ::fchmod(fd, alt.st_mode & 0777) == 0 ? 0 : errno;
}

// Gives a new file the permissions any new file gets: all that the umask leaves.
int neueRechte(int fd) {
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return ::fchmod(fd, 0666 & ~maske) == 0 ? 0 : errno;
}

// Writes all bytes from the descriptor's position on; for a regular file also makes sure they
// reached the disk. 0 or the error number.
int writeAll(int fd, const QByteArray& bytes, bool regulaer) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(left));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        data += written;
        left -= written;
    }
    return !regulaer || ::fsync(fd) == 0 ? 0 : errno;
}

// Replaces the file ziel (alt its status, null when there is none) by a complete new one.
int ersetzen(const QByteArray& ziel, const QByteArray& bytes, const struct stat* alt) {
    QByteArray temporary;
    const int fd = temporaereDatei(ordnerVon(ziel), temporary);
    if (fd < 0) {
        return errno;
    }
    int error = alt != nullptr ? rechteUebernehmen(fd, *alt) : neueRechte(fd);
    if (error == 0) {
        error = writeAll(fd, bytes, true);
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.constData(), ziel.constData()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.constData());
    }
    return error;
}

// Writes over the open regular file fd from its start, once the disk holds room for all bytes
// (a file system that cannot reserve room is written all the same). 0 or the error number.
int anOrt(int fd, const QByteArray& bytes) {
    if (!bytes.isEmpty() && ::fallocate(fd, 0, 0, bytes.size()) != 0 && errno != EOPNOTSUPP) {
        return errno;
    }
    if (const int error = writeAll(fd, bytes, false); error != 0) {
        return error;
    }
    return ::ftruncate(fd, bytes.size()) == 0 && ::fsync(fd) == 0 ? 0 : errno;
}

// Whether the old file alt is replaced rather than written in place: it has no further hard
// links and its name ziel leads to it through its folder.
bool ersetzbar(const struct stat& alt, const QByteArray& ziel) {
    struct stat info {};
    return alt.st_nlink == 1 && ::stat(ziel.constData(), &info) == 0 && info.st_dev == alt.st_dev &&
           info.st_ino == alt.st_ino;
}

// Writes the file fd that the name ziel leads to, opened for writing, by the rules of
// writeBinaryFile. 0 or the error number.
int vorhandeneSchreiben(int fd, const QByteArray& ziel, const QByteArray& bytes) {
    struct stat alt {};
    if (::fstat(fd, &alt) != 0) {
        return errno;
    }
    if (!S_ISREG(alt.st_mode)) {
        return writeAll(fd, bytes, false);
    }
    if (ersetzbar(alt, ziel)) {
        const int error = ersetzen(ziel, bytes, &alt);
        if (error != EACCES && error != EPERM) {
            return error;
        }
    }
    return anOrt(fd, bytes);
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

Outcome writeBinaryFile(const QString& path, const QByteArray& bytes) {
    const QByteArray name = bytesAusName(path);
    QByteArray ziel = name;
    if (const int error = echtesZiel(ziel); error != 0) {
        return Outcome::failed(describe(path, grundText(error)));
    }
    // Opened as a plain write opens it, so that the system decides what may be written.
    const int fd = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    int error = 0;
    if (fd < 0) {
        error = errno == ENOENT ? ersetzen(ziel, bytes, nullptr) : errno;
    } else {
        error = vorhandeneSchreiben(fd, ziel, bytes);
        if (::close(fd) != 0 && error == 0) {
            error = errno;
        }
    }
    return error == 0 ? Outcome::done() : Outcome::failed(describe(path, grundText(error)));
}

int temporaereDatei(const QByteArray& ordner, QByteArray& pfad) {
    // The name does not grow with the target's, so any valid name can be written.
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        pfad = ordner + "/.wyk-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(pfad.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    return fd;
}

bool dieselbeDatei(const QString& a, const QString& b) {
    struct stat eins {};
    struct stat zwei {};
    return ::stat(bytesAusName(a).constData(), &eins) == 0 &&
           ::stat(bytesAusName(b).constData(), &zwei) == 0 && eins.st_dev == zwei.st_dev &&
           eins.st_ino == zwei.st_ino;
}

} // namespace wyk
