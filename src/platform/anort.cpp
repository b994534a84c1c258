#include "platform/anort.h"

#include "platform/temporaer.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wyk::schreiben {

namespace {

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

} // namespace

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

} // namespace wyk::schreiben
