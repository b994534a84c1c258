#include "platform/textfile.h"

#include "platform/grund.h"

#include <QDir>
#include <QFile>
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

// Follows path through symbolic links (relative ones from their own folder) to the file a
// plain write would change, which need not exist yet. 0 or the error number.
int echtesZiel(QByteArray& path) {
    for (int glied = 0; glied <= kLaengsteKette; ++glied) {
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return 0;
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

// Gives the new file the owner, group and permissions of the file at ziel it is to replace;
// a new file keeps the mode the umask gave it. Where the old group cannot be kept, the group
// loses its rights rather than passing them to another group. 0 or the error number.
int rechteUebernehmen(int fd, const QByteArray& ziel) {
    struct stat alt {};
    if (::stat(ziel.constData(), &alt) != 0 || !S_ISREG(alt.st_mode)) {
        return 0;
    }
    mode_t modus = alt.st_mode & 0777;
    if (::fchown(fd, alt.st_uid, alt.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), alt.st_gid) != 0) {
        modus &= ~static_cast<mode_t>(S_IRWXG);
    }
    return ::fchmod(fd, modus) == 0 ? 0 : errno;
}

// Writes all bytes and makes sure they reached the disk; 0 or the error number.
int writeAll(int fd, const QByteArray& bytes) {
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
    return ::fsync(fd) == 0 ? 0 : errno;
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
    QByteArray ziel = QFile::encodeName(path);
    if (const int error = echtesZiel(ziel); error != 0) {
        return Outcome::failed(describe(path, grundText(error)));
    }
    // A hidden temporary file of a short name beside the real file, renamed over it once
    // complete; its name does not grow with the target's, so any valid name can be written.
    const QByteArray ordner = ordnerVon(ziel);
    int fd = -1;
    QByteArray temporary;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary =
            ordner + "/.wyk-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        return Outcome::failed(describe(path, grundText(errno)));
    }
    int error = rechteUebernehmen(fd, ziel);
    if (error == 0) {
        error = writeAll(fd, bytes);
    }
    const int closeError = ::close(fd) == 0 ? 0 : errno;
    const int failed = error != 0 ? error : closeError;
    if (failed == 0 && ::rename(temporary.constData(), ziel.constData()) == 0) {
        return Outcome::done();
    }
    const int renameError = failed != 0 ? failed : errno;
    ::unlink(temporary.constData());
    return Outcome::failed(describe(path, grundText(renameError)));
}

} // namespace wyk
